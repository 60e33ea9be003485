// The note dialogs' rules, without a display: names typed by the user, the
// last-folder file, which names the lists show and in which order, and
// where a dialog opens.

#include "core/note_dialogs/dialog_placement.h"
#include "core/note_dialogs/file_pattern.h"
#include "core/note_dialogs/folder_listing.h"
#include "core/note_dialogs/last_folder.h"
#include "core/note_dialogs/note_names.h"
#include "tests/core/file_bytes.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

#include <cstdio>

using namespace tabulo;

class NoteDialogRulesTest : public QObject
{
    Q_OBJECT

private slots:
    void cleansTypedNames_data();
    void cleansTypedNames();
    void readsTheLastFolder_data();
    void readsTheLastFolder();
    void matchesListPatterns_data();
    void matchesListPatterns();
    void listsFoldersInOrder();
    void placesTheDialog_data();
    void placesTheDialog();
};

void NoteDialogRulesTest::cleansTypedNames_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("noteFile"); // empty: refused
    QTest::addColumn<QString>("folder"); // empty: refused

    QTest::newRow("plain") << "spesa"
                           << "spesa.txt"
                           << "spesa";
    QTest::newRow("extension typed") << "nota.txt"
                                     << "nota.txt"
                                     << "nota.txt";
    QTest::newRow("every .txt goes") << "a.txt.txt"
                                     << "a.txt"
                                     << "a.txt.txt";
    QTest::newRow("other case kept") << "nota.TXT"
                                     << "nota.TXT.txt"
                                     << "nota.TXT";
    QTest::newRow("invalid characters") << "a<b>c:d\\e/f|g*h?i\"j"
                                        << "abcdefghij.txt"
                                        << "abcdefghij";
    QTest::newRow("removal makes a .txt") << "a.t?xt"
                                          << "a.txt"
                                          << "a.txt";
    QTest::newRow("a path stays in the folder") << "../etc/passwd"
                                                << "..etcpasswd.txt"
                                                << "..etcpasswd";
    QTest::newRow("control characters") << QStringLiteral("a\tb") + QChar(0) + "c"
                                        << "abc.txt"
                                        << "abc";
    QTest::newRow("only invalid characters") << "<>?*"
                                             << ""
                                             << "";
    QTest::newRow("only the extension") << ".txt"
                                        << ""
                                        << ".txt";
    QTest::newRow("only blanks") << "   "
                                 << ""
                                 << "";
    QTest::newRow("the folder above") << ".?."
                                      << "...txt"
                                      << "";
}

void NoteDialogRulesTest::cleansTypedNames()
{
    QFETCH(QString, typed);
    QFETCH(QString, noteFile);
    QFETCH(QString, folder);
    QCOMPARE(noteFileNameFor(typed), noteFile);
    QCOMPARE(folderNameFor(typed), folder);
}

void NoteDialogRulesTest::readsTheLastFolder_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("folder");

    QTest::newRow("as written") << "/home/ann/Conti\r\n"
                                << "/home/ann/Conti";
    QTest::newRow("blanks, LF") << "  /home/ann/Conti \n"
                                << "/home/ann/Conti";
    QTest::newRow("quoted comma") << "\"/home/ann/Conti, 2024\"\r\n"
                                  << "/home/ann/Conti, 2024";
    QTest::newRow("unquoted comma: the part after it") << "/home/ann/Conti, 2024\r\n"
                                                       << "2024";
    QTest::newRow("trailing comma") << "/home/ann/Conti,\r\n"
                                    << "/home/ann/Conti";
    QTest::newRow("last non-empty line") << "/a\r\n/b\r\n \r\n"
                                         << "/b";
    QTest::newRow("nothing") << " , ,\r\n"
                             << "";
}

void NoteDialogRulesTest::readsTheLastFolder()
{
    QFETCH(QString, file);
    QFETCH(QString, folder);
    QCOMPARE(LastFolder::parse(file), folder);

    // Whatever the program writes reads back whole.
    for (const QString &written :
        {QStringLiteral("/home/ann/Conti, casa"), QStringLiteral(" /srv/a,b "), QStringLiteral("/home/\"q\""),
            QStringLiteral("/"), QStringLiteral("\u00A0/srv/no-break"), QStringLiteral("\v/srv/tab\v")})
        QCOMPARE(LastFolder::parse(LastFolder::format(written) + QStringLiteral("\r\n")), written);
}

void NoteDialogRulesTest::matchesListPatterns_data()
{
    QTest::addColumn<QString>("pattern");
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("matches");

    QTest::newRow("note") << "*.txt"
                          << "conti.2024.txt" << true;
    QTest::newRow("note, upper case") << "*.txt"
                                      << "SPESA.TXT" << true;
    QTest::newRow("other extension") << "*.txt"
                                     << "spesa.txt.bak" << false;
    QTest::newRow("? is never a dot") << "a?b"
                                      << "a.b" << false;
    QTest::newRow("? is nothing at the end") << "ab?"
                                             << "ab" << true;
    QTest::newRow("*.* takes names without a dot") << "*.*"
                                                   << "README" << true;
    QTest::newRow("stars, a letter missing") << "*a*b*c*"
                                             << "xxaxxbxx" << false;
    QTest::newRow("accents fold") << "è*"
                                  << "È bello.txt" << true;

    const QString more22(22, u'x');
    QTest::newRow("filter: starts with it") << nameFilterPattern(u"ab") << "abaco.txt" << true;
    QTest::newRow("filter: any extension") << nameFilterPattern(u"ab") << "abc.log" << true;
    QTest::newRow("filter: inside the name") << nameFilterPattern(u"ab") << "xab.txt" << false;
    QTest::newRow("filter: 22 more") << nameFilterPattern(u"ab") << "ab" + more22 + ".txt" << true;
    QTest::newRow("filter: 23 more") << nameFilterPattern(u"ab") << "ab" + more22 + "x.txt" << false;
    QTest::newRow("emptied filter: 23") << nameFilterPattern(u"") << more22 + "x.log" << false;
    QTest::newRow("filter with a star") << nameFilterPattern(u"*casa") << "la mia casa.txt" << true;
}

void NoteDialogRulesTest::matchesListPatterns()
{
    QFETCH(QString, pattern);
    QFETCH(QString, name);
    QFETCH(bool, matches);
    QCOMPARE(matchesFilePattern(pattern, name), matches);
}

void NoteDialogRulesTest::listsFoldersInOrder()
{
    QTemporaryDir folder;
    auto path = [&](const char *name) { return folder.filePath(QString::fromUtf8(name)); };
    for (const char *name : {"b.txt", "A.TXT", "a.txt", "c.log", ".hidden.txt", "é.txt", "B.txt"})
        QVERIFY(test::writeBytes(path(name), "+1\r\n"));
    for (const char *name : {"folder.txt", "Casa", "archivio", ".config"})
        QVERIFY(QDir(folder.path()).mkdir(QString::fromLatin1(name)));
    // Bytes that are not UTF-8 make a name no path written as text reaches.
    std::FILE *raw = std::fopen((QFile::encodeName(folder.path()) + "/\xff\xfe.txt").constData(), "w");
    QVERIFY(raw);
    std::fclose(raw);

    QCOMPARE(listMatchingFiles(folder.path(), FilePattern(noteFilePattern())),
        QStringList({"A.TXT", "a.txt", "B.txt", "b.txt", "é.txt"}));
    QCOMPARE(listSubfolders(folder.path()), QStringList({"archivio", "Casa", "folder.txt"}));
    QCOMPARE(listSubfolders(path("gone")), QStringList());
    QCOMPARE(folderChain(QStringLiteral("/home/ann/../bob/")), QStringList({"/", "/home", "/home/bob"}));

    QCOMPARE(folderProblem(folder.path()), std::nullopt);
    for (const QString &bad : {path("gone"), path("b.txt"), QStringLiteral("relative")})
        QVERIFY2(folderProblem(bad).has_value(), qPrintable(bad));
    QVERIFY(makeFolder(path("Db/deep"), true).ok);
    QVERIFY(!makeFolder(path("none/new"), false).ok);
    const FileResult blocked = makeFolder(path("b.txt/Db"), true);
    QVERIFY(!blocked.ok);
    QVERIFY(!blocked.error.isEmpty());
}

void NoteDialogRulesTest::placesTheDialog_data()
{
    QTest::addColumn<QRect>("hostFrame");
    QTest::addColumn<bool>("maximized");
    QTest::addColumn<QRect>("screen");
    QTest::addColumn<double>("dpi");
    QTest::addColumn<QRect>("dialogFrame");

    const QRect screen(0, 0, 1920, 1080); // a 40-pixel panel at the bottom
    // 400 twips are 27 pixels at 96 dpi, 40 at 144.
    QTest::newRow("normal") << QRect(200, 133, 640, 460) << false << screen << 96.0 << QRect(227, 160, 640, 460);
    QTest::newRow("144 dpi") << QRect(300, 200, 960, 690) << false << screen << 144.0 << QRect(340, 240, 960, 690);
    QTest::newRow("in the corner") << QRect(1500, 800, 420, 240) << false << screen << 96.0
                                   << QRect(1500, 800, 420, 240);
    QTest::newRow("bigger than the screen")
        << QRect(-50, -30, 2500, 1400) << false << screen << 96.0 << QRect(0, 0, 1920, 1040);
    // 9600 by 7200 twips are 640 by 480 pixels, 632 by 452 inside the frame
    // (4 pixels at the sides and bottom, 24 at the top); a third of that in.
    QTest::newRow("maximised") << QRect(0, 0, 1920, 1040) << true << screen << 96.0 << QRect(210, 150, 640, 480);
    QTest::newRow("maximised, second screen")
        << QRect(1920, 0, 1280, 984) << true << QRect(1920, 0, 1280, 1024) << 96.0 << QRect(2130, 150, 640, 480);
    QTest::newRow("maximised, small screen")
        << QRect(0, 0, 800, 560) << true << QRect(0, 0, 800, 600) << 96.0 << QRect(160, 80, 640, 480);
}

void NoteDialogRulesTest::placesTheDialog()
{
    QFETCH(QRect, hostFrame);
    QFETCH(bool, maximized);
    QFETCH(QRect, screen);
    QFETCH(double, dpi);
    QFETCH(QRect, dialogFrame);

    const HostPlacement host {hostFrame, maximized, QMargins(4, 24, 4, 4), screen, screen.adjusted(0, 0, 0, -40)};
    QCOMPARE(noteDialogFrame(host, Twips::forDpi(dpi)), dialogFrame);
}

QTEST_APPLESS_MAIN(NoteDialogRulesTest)
#include "tst_note_dialog_rules.moc"
