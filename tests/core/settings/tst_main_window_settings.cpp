// The main window's settings files: what each file's text makes of the view
// at start-up, the exact bytes written at quit, and that a quit's files give
// back the view they were written from.

#include "core/settings/main_window_settings.h"

#include <algorithm>

#include "tests/core/file_bytes.h"

#include <QTemporaryDir>
#include <QTest>

using namespace tabulo;
using Settings = MainWindowSettings;

Q_DECLARE_METATYPE(tabulo::MainWindowSettings)

namespace {

// The files of a Data folder as a test lists them: name and text, a file
// left out being missing.
using Files = QList<Settings::File>;

Settings withView(bool toolbarShown, Settings::Scrolling scrolling, bool runningTotalsShown)
{
    Settings settings;
    settings.toolbarShown = toolbarShown;
    settings.scrolling = scrolling;
    settings.runningTotalsShown = runningTotalsShown;
    return settings;
}

// Everything a test compares, in one line that names the field that differs.
QString shown(const Settings &s)
{
    return QStringLiteral("last file \"%1\", toolbar %2, %3, column %4, placement %5")
        .arg(s.lastFile, s.toolbarShown ? QStringLiteral("shown") : QStringLiteral("hidden"),
            s.scrolling == Settings::Scrolling::Wrapped ? QStringLiteral("wrapped") : QStringLiteral("sideways"),
            s.runningTotalsShown ? QStringLiteral("shown") : QStringLiteral("hidden"), s.placement.format());
}

} // namespace

class MainWindowSettingsTest : public QObject
{
    Q_OBJECT

private slots:
    void filesGiveTheView_data();
    void filesGiveTheView();
    void lastFileIsTheFirstFieldOfTheFirstLine_data();
    void lastFileIsTheFirstFieldOfTheFirstLine();
    void lastFileIsWrittenSoItReadsBackWhole_data();
    void lastFileIsWrittenSoItReadsBackWhole();
    void quitWritesEveryFile_data();
    void quitWritesEveryFile();
    void writtenFilesReadBackAsTheSameView_data();
    void writtenFilesReadBackAsTheSameView();
    void unwritableFolderNamesEveryFile();
};

void MainWindowSettingsTest::filesGiveTheView_data()
{
    QTest::addColumn<Files>("files");
    QTest::addColumn<Settings>("expected");
    using enum Settings::Scrolling;

    // A first start hides the toolbar and the column and scrolls sideways.
    QTest::newRow("no files") << Files {} << withView(false, Sideways, false);
    QTest::newRow("toolbar shown") << Files {{"Bar.ini", "0\r\n"}} << withView(true, Sideways, false);
    QTest::newRow("toolbar hidden") << Files {{"Bar.ini", "1\r\n"}} << withView(false, Sideways, false);
    QTest::newRow("the last value wins") << Files {{"Bar.ini", "0\r\n1\r\n"}, {"Scroll.ini", "1\n0\n"}}
                                         << withView(false, Sideways, false);
    QTest::newRow("comments and unknown values are skipped")
        << Files {{"Bar.ini", "0\r\n# 1\r\nyes\r\n"}, {"Scroll.ini", "'1\r\n2\r\n"}, {"Column.ini", "[1]\r\n"}}
        << withView(true, Sideways, false);
    QTest::newRow("values are not trimmed")
        << Files {{"Bar.ini", " 0\r\n"}, {"Column.ini", "1 \r\n"}} << withView(false, Sideways, false);
    QTest::newRow("wrapped lines, column shown, LF only")
        << Files {{"Scroll.ini", "1\n"}, {"Column.ini", "1\n"}} << withView(false, Wrapped, true);
    QTest::newRow("empty files") << Files {{"Bar.ini", ""}, {"Scroll.ini", ""}, {"Column.ini", ""}}
                                 << withView(false, Sideways, false);

    Settings placed;
    placed.placement = {1200, 2400, 9600, 7200, 2};
    QTest::newRow("placement") << Files {{"TabuloStart.ini", "1200,2400,9600,7200,2\r\n"}} << placed;
    Settings named;
    named.lastFile = QStringLiteral("/home/anna/conti.txt");
    QTest::newRow("last file") << Files {{"LastFile.ini", "/home/anna/conti.txt\r\n"}} << named;
}

void MainWindowSettingsTest::filesGiveTheView()
{
    QFETCH(Files, files);
    QFETCH(Settings, expected);
    QCOMPARE(shown(Settings::parse(files)), shown(expected));
    QCOMPARE(Settings::parse(files), expected);
}

void MainWindowSettingsTest::lastFileIsTheFirstFieldOfTheFirstLine_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("path");
    QTest::newRow("plain path") << "/notes/a.txt\r\n"
                                << "/notes/a.txt";
    QTest::newRow("quoted, with a comma") << "\"/notes/a, b.txt\"\r\n"
                                          << "/notes/a, b.txt";
    QTest::newRow("only the first line") << "/notes/a.txt\n/notes/b.txt\n"
                                         << "/notes/a.txt";
    QTest::newRow("a caption of an untitled note") << "Tabulo - 2025\r\n"
                                                   << "Tabulo - 2025";
    QTest::newRow("empty") << ""
                           << "";
}

void MainWindowSettingsTest::lastFileIsTheFirstFieldOfTheFirstLine()
{
    QFETCH(QString, text);
    QFETCH(QString, path);
    QCOMPARE(Settings::parseLastFile(text), path);
}

void MainWindowSettingsTest::lastFileIsWrittenSoItReadsBackWhole_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QByteArray>("written");
    // Quoted only where the reader would cut or trim it, as the last folder
    // is; the files of earlier runs, unquoted, read as they always did.
    QTest::newRow("plain") << "/notes/a.txt" << QByteArray("/notes/a.txt\r\n");
    QTest::newRow("a comma") << "/notes/a, b.txt" << QByteArray("\"/notes/a, b.txt\"\r\n");
    QTest::newRow("blanks at the ends") << " /notes/a.txt " << QByteArray("\" /notes/a.txt \"\r\n");
    QTest::newRow("a leading quote") << "\"x.txt" << QByteArray("\"x.txt\r\n");
    QTest::newRow("an untitled caption") << "Tabulo - 2025" << QByteArray("Tabulo - 2025\r\n");
}

void MainWindowSettingsTest::lastFileIsWrittenSoItReadsBackWhole()
{
    QFETCH(QString, path);
    QFETCH(QByteArray, written);
    Settings settings;
    settings.lastFile = path;
    QTemporaryDir folder;
    QVERIFY(settings.write(folder.path()).isEmpty());
    QCOMPARE(test::readBytes(folder.filePath("LastFile.ini")), written);
    // A path that starts with a quote and cannot be quoted loses it, as the
    // last folder's does.
    const QString readBack = path.startsWith(u'"') ? path.mid(1) : path;
    QCOMPARE(Settings::readLastFile(folder.path()), readBack);
}

void MainWindowSettingsTest::quitWritesEveryFile_data()
{
    QTest::addColumn<Settings>("settings");
    QTest::addColumn<Files>("files");

    QTest::newRow("a first start's view")
        << Settings {}
        << Files {{"LastFile.ini", "\r\n"}, {"Bar.ini", "1\r\n"}, {"Scroll.ini", "0\r\n"}, {"Column.ini", "0\r\n"},
               {"TabuloStart.ini", "0,0,0,0,0\r\n"}, {"TabuloStartForTOT.ini", "\"2\"\r\n"}};

    Settings everything = withView(true, Settings::Scrolling::Wrapped, true);
    everything.lastFile = QStringLiteral("/notes/conti.txt");
    everything.placement = {1234.5, 60, 9600, 7200, 1};
    everything.totalAtTop = true;
    QTest::newRow("every setting changed")
        << everything
        << Files {{"LastFile.ini", "/notes/conti.txt\r\n"}, {"Bar.ini", "0\r\n"}, {"Scroll.ini", "1\r\n"},
               {"Column.ini", "1\r\n"}, {"TabuloStart.ini", "1234.5,60,9600,7200,1\r\n"},
               {"TabuloStartForTOT.ini", "\"1\"\r\n"}};
}

void MainWindowSettingsTest::quitWritesEveryFile()
{
    QFETCH(Settings, settings);
    QFETCH(Files, files);
    QCOMPARE(settings.format(), files);

    QTemporaryDir folder;
    QVERIFY(settings.write(folder.filePath("Data")).isEmpty());
    for (const auto &[name, text] : files)
        QCOMPARE(test::readBytes(folder.filePath("Data/" + name)), text.toUtf8());
}

void MainWindowSettingsTest::writtenFilesReadBackAsTheSameView_data()
{
    QTest::addColumn<Settings>("settings");
    for (const bool toolbar : {false, true}) {
        for (const auto scrolling : {Settings::Scrolling::Sideways, Settings::Scrolling::Wrapped}) {
            for (const bool column : {false, true}) {
                Settings settings = withView(toolbar, scrolling, column);
                settings.lastFile = QStringLiteral("/notes/città.txt");
                settings.placement = {1200.25, 2400, 9600, 7200, int(column)};
                QTest::addRow(
                    "toolbar %d, wrapped %d, column %d", toolbar, scrolling == Settings::Scrolling::Wrapped, column)
                    << settings;
            }
        }
    }
}

void MainWindowSettingsTest::writtenFilesReadBackAsTheSameView()
{
    QFETCH(Settings, settings);
    QTemporaryDir folder;
    QVERIFY(settings.write(folder.path()).isEmpty());
    QCOMPARE(shown(Settings::read(folder.path())), shown(settings));
    QCOMPARE(Settings::read(folder.path()), settings);
    QCOMPARE(Settings::readLastFile(folder.path()), settings.lastFile);
}

void MainWindowSettingsTest::unwritableFolderNamesEveryFile()
{
    QTemporaryDir folder;
    // A plain file where the folder should be: nobody can write there, root included.
    const QString blocked = folder.filePath("Data");
    QVERIFY(test::writeBytes(blocked, "not a folder"));
    const auto problems = Settings {}.write(blocked);
    QCOMPARE(problems.size(), 6);
    for (const auto &[name, text] : Settings {}.format()) {
        // A structured binding is not captured by a lambda (clang before 16).
        const QString path = blocked + "/" + name;
        const auto named = std::count_if(problems.begin(), problems.end(), [&](const Settings::WriteProblem &problem) {
            return problem.path == path && problem.result.problem == FileProblem::NotAFolder;
        });
        QVERIFY2(named == 1, qPrintable(name));
    }
}

QTEST_GUILESS_MAIN(MainWindowSettingsTest)
#include "tst_main_window_settings.moc"
