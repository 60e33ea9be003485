// Names typed into the note dialogs: what is taken out, what the save dialog
// writes to, and names that leave nothing usable.

#include "note_names.h"

#include <QTest>

using namespace tabulo;

class NoteNamesTest : public QObject
{
    Q_OBJECT

private slots:
    void savesUnderTheTypedName_data();
    void savesUnderTheTypedName();
    void namesNewFolders_data();
    void namesNewFolders();
    void showsNamesWithoutTheExtension_data();
    void showsNamesWithoutTheExtension();
};

void NoteNamesTest::savesUnderTheTypedName_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("fileName"); // empty: refused

    QTest::newRow("plain name") << "spesa" << "spesa.txt";
    QTest::newRow("extension typed too") << "nota.txt" << "nota.txt";
    QTest::newRow("every .txt removed") << "a.txt.txt" << "a.txt";
    QTest::newRow("other case of the extension kept") << "nota.TXT" << "nota.TXT.txt";
    QTest::newRow("other extension kept") << "conti.2024" << "conti.2024.txt";
    QTest::newRow("invalid characters removed") << "a<b>c:d\\e/f|g*h?i\"j" << "abcdefghij.txt";
    QTest::newRow("removal makes a .txt") << "a.t?xt" << "a.txt";
    QTest::newRow("spaces and accents kept") << "Conti di casa è" << "Conti di casa è.txt";
    QTest::newRow("a path typed stays in the folder") << "../../etc/passwd" << "....etcpasswd.txt";
    QTest::newRow("control characters removed") << QStringLiteral("a\tb\nc") + QChar(0) + "d" << "abcd.txt";
    QTest::newRow("only invalid characters") << "<>:\\/|*?\"" << "";
    QTest::newRow("only the extension") << ".txt" << "";
    QTest::newRow("extension and invalid characters") << "?.txt*" << "";
    QTest::newRow("only blanks") << "   " << "";
    QTest::newRow("empty") << "" << "";
}

void NoteNamesTest::savesUnderTheTypedName()
{
    QFETCH(QString, typed);
    QFETCH(QString, fileName);
    QCOMPARE(noteFileNameFor(typed), fileName);
}

void NoteNamesTest::namesNewFolders_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("folder"); // empty: refused

    QTest::newRow("plain") << "Casa" << "Casa";
    QTest::newRow("invalid characters removed") << "Ca/sa?" << "Casa";
    QTest::newRow("a .txt in a folder name stays") << "vecchi.txt" << "vecchi.txt";
    QTest::newRow("only invalid characters") << "//??" << "";
    QTest::newRow("only blanks") << " " << "";
    QTest::newRow("the folder itself") << "." << "";
    QTest::newRow("the folder above") << ".." << "";
    QTest::newRow("dots that become the folder above") << ".?." << "";
    QTest::newRow("three dots is a name") << "..." << "...";
}

void NoteNamesTest::namesNewFolders()
{
    QFETCH(QString, typed);
    QFETCH(QString, folder);
    QCOMPARE(folderNameFor(typed), folder);
}

void NoteNamesTest::showsNamesWithoutTheExtension_data()
{
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<QString>("shown");

    QTest::newRow("note") << "spesa.txt" << "spesa";
    QTest::newRow("upper case extension stays") << "SPESA.TXT" << "SPESA.TXT";
    QTest::newRow("inner .txt goes too") << "a.txt.bak.txt" << "a.bak";
    QTest::newRow("other file") << "conti.log" << "conti.log";
}

void NoteNamesTest::showsNamesWithoutTheExtension()
{
    QFETCH(QString, fileName);
    QFETCH(QString, shown);
    QCOMPARE(withoutTxtExtension(fileName), shown);
}

QTEST_APPLESS_MAIN(NoteNamesTest)
#include "tst_note_names.moc"
