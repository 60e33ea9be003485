// Start-up of the main window: the fresh note, the note named on the command
// line, and the view settings restored from the Data folder.

#include "tests/windows/main/window_test_support.h"

#include <QDate>
#include <QElapsedTimer>
#include <QScreen>

using namespace tabulo;
using namespace tabulo::testing;

Q_DECLARE_METATYPE(tabulo::LayoutVariant)

class StartupTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { useUnrelatedDefaultLocale(); }

    void freshStartShowsTheHeaderInAnUntitledNote_data();
    void freshStartShowsTheHeaderInAnUntitledNote();
    void commandLineNoteIsLoadedWithoutHeader_data();
    void commandLineNoteIsLoadedWithoutHeader();
    void commandLinePathThatDoesNotExistGivesAnEmptyTitledNote();
    void relativeCommandLinePathIsMadeAbsolute_data();
    void relativeCommandLinePathIsMadeAbsolute();
    void emptyCommandLineArgumentMeansNoNote_data();
    void emptyCommandLineArgumentMeansNoNote();
    void unreadableCommandLineNoteStaysUntitledAndIsNeverOverwritten();
    void binaryCommandLineNoteIsRefusedAndNeverOverwritten();
    void commandLineNoteErrorIsInTheChosenLanguage();
    void largeCommandLineNoteIsLoadedAndTotalled();

    void toolbarSettingIsRestored_data();
    void toolbarSettingIsRestored();
    void editorSettingIsRestored_data();
    void editorSettingIsRestored();
    void maximisedPlacementIsRestored();
    void aStartAlwaysShowsTheWindow_data();
    void aStartAlwaysShowsTheWindow();
    void placementIsAppliedInsideTheScreen_data();
    void placementIsAppliedInsideTheScreen();
};

void StartupTest::freshStartShowsTheHeaderInAnUntitledNote_data()
{
    QTest::addColumn<LayoutVariant>("variant");
    QTest::addColumn<QLocale>("locale");
    QTest::newRow("totals at bottom, Italian") << LayoutVariant::TotalsAtBottom << italianLocale();
    QTest::newRow("total at top, US") << LayoutVariant::TotalAtTop << usLocale();
}

void StartupTest::freshStartShowsTheHeaderInAnUntitledNote()
{
    QFETCH(LayoutVariant, variant);
    QFETCH(QLocale, locale);
    WindowFixture fixture({.variant = variant, .locale = locale});
    QVERIFY(fixture.ready());
    Form1 &window = fixture.window();

    QVERIFY(window.picture3()->isHidden());
    QCOMPARE(window.action("MostraStrumentiX")->isChecked(), false);
    QCOMPARE(window.visibleEditor(), window.text1());
    QVERIFY(window.editor2()->isHidden());

    const QString note = window.noteText();
    const QStringList lines = note.split(QStringLiteral("\r\n"));
    QCOMPARE(lines.size(), 5);
    QCOMPARE(lines[0], QString());
    QVERIFY(lines[1].startsWith(QLatin1Char('#')));
    QVERIFY(lines[2].startsWith(QLatin1Char('#')));
    const QString year = QString::number(QDate::currentDate().year());
    QVERIFY(lines[2].contains(year));
    QCOMPARE(lines[3], QString());
    QCOMPARE(lines[4], QString());
    QCOMPARE(window.text1()->textCursor().position(), window.text1()->editorText().size());
    QCOMPARE(QApplication::focusWidget(), window.text1());

    QCOMPARE(window.text2()->text(), QStringLiteral("0"));
    QCOMPARE(window.text3()->text(), QStringLiteral("0"));
    QCOMPARE(window.statusPanel(0)->text(), QStringLiteral("Ok"));
    QCOMPARE(window.statusPanel(1)->text(), QStringLiteral("CC: %1").arg(note.size()));
    QVERIFY(!window.modi());
    QCOMPARE(window.history().position(), 0);
    QVERIFY(window.isUntitled());
    QVERIFY(window.windowTitle().startsWith(QLatin1String("Tabulo")));
    QVERIFY(window.windowTitle().endsWith(year));
}

void StartupTest::commandLineNoteIsLoadedWithoutHeader_data()
{
    QTest::addColumn<QByteArray>("fileBytes");
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<bool>("quoted");
    QTest::addColumn<QString>("expectedNote");
    QTest::addColumn<QString>("expectedTotal");

    QTest::newRow("CR LF, quoted, comma locale")
        << QByteArray("# shopping\r\n+ 12,50 bread\r\nmilk 3\r\n+4+6\r\n") << italianLocale() << true
        << QStringLiteral("# shopping\r\n+ 12,50 bread\r\nmilk 3\r\n+4+6") << QStringLiteral("22,5");
    QTest::newRow("CR LF, unquoted words, comma locale")
        << QByteArray("+1\r\n+2\r\n") << italianLocale() << false << QStringLiteral("+1\r\n+2") << QStringLiteral("3");
    QTest::newRow("LF only, dot locale") << QByteArray("+1.5\n+2\n-0.25\n") << usLocale() << true
                                         << QStringLiteral("+1.5\r\n+2\r\n-0.25") << QStringLiteral("3.25");
    QTest::newRow("Windows-1252") << QByteArray("+5 caff\xe8\r\n-7 t\xe8 \x80\r\n") << italianLocale() << true
                                  << QStringLiteral("+5 caff\u00e8\r\n-7 t\u00e8 \u20ac") << QStringLiteral("-2");
    QTest::newRow("only the last line end is dropped")
        << QByteArray("+1\r\n\r\n\r\n") << usLocale() << true << QStringLiteral("+1\r\n\r\n") << QStringLiteral("1");
}

void StartupTest::commandLineNoteIsLoadedWithoutHeader()
{
    QFETCH(QByteArray, fileBytes);
    QFETCH(QLocale, locale);
    QFETCH(bool, quoted);
    QFETCH(QString, expectedNote);
    QFETCH(QString, expectedTotal);

    QTemporaryDir notes;
    const QString path = notes.filePath(QStringLiteral("my shopping note.txt"));
    QVERIFY(WindowFixture::writeFile(path, fileBytes));
    const QStringList arguments
        = quoted ? QStringList {QLatin1Char('"') + path + QLatin1Char('"')} : path.split(QLatin1Char(' '));
    WindowFixture fixture({.locale = locale, .arguments = arguments});
    QVERIFY(fixture.ready());
    Form1 &window = fixture.window();

    QCOMPARE(window.noteText(), expectedNote);
    QCOMPARE(window.windowTitle(), path);
    QVERIFY(!window.isUntitled());
    QCOMPARE(window.text2()->text(), expectedTotal);
    QCOMPARE(window.text3()->text(), expectedTotal);
    QVERIFY(!window.modi());
    QCOMPARE(window.statusPanel(0)->text(), QStringLiteral("Ok"));

    // A freshly loaded note has nothing to undo.
    window.action("AnnullaX")->trigger();
    QCOMPARE(window.noteText(), expectedNote);
    QVERIFY(!window.modi());
}

void StartupTest::commandLinePathThatDoesNotExistGivesAnEmptyTitledNote()
{
    QTemporaryDir notes;
    const QString path = notes.filePath(QStringLiteral("new note.txt"));
    WindowFixture fixture({.arguments = {path}});
    QVERIFY(fixture.ready());
    Form1 &window = fixture.window();

    QCOMPARE(window.noteText(), QString());
    QCOMPARE(window.windowTitle(), path);
    QCOMPARE(window.text2()->text(), QStringLiteral("0"));
    QVERIFY(!window.modi());
    QCOMPARE(fixture.prompts.shown().size(), 0);
    QVERIFY(!QFile::exists(path));
}

void StartupTest::relativeCommandLinePathIsMadeAbsolute_data()
{
    QTest::addColumn<QString>("relative");
    QTest::addColumn<QString>("inFolder");
    QTest::newRow("a file in the folder") << "rel.txt"
                                          << "rel.txt";
    // Its caption would begin with the product's name, the mark of a note
    // without a file.
    QTest::newRow("under a folder named Tabulo") << "Tabulo/Db/Budget.txt"
                                                 << "Tabulo/Db/Budget.txt";
    QTest::newRow("through dot folders") << "./Tabulo/../rel.txt"
                                         << "rel.txt";
}

void StartupTest::relativeCommandLinePathIsMadeAbsolute()
{
    QFETCH(QString, relative);
    QFETCH(QString, inFolder);
    QTemporaryDir startFolder;
    const QString absolute = QDir(startFolder.path()).filePath(inFolder);
    QVERIFY(QDir().mkpath(QFileInfo(absolute).path()));
    QVERIFY(WindowFixture::writeFile(absolute, "+2\n+3"));
    QTemporaryDir elsewhere;
    const QString before = QDir::currentPath();
    QVERIFY(QDir::setCurrent(startFolder.path()));
    WindowFixture fixture({.arguments = {relative}});
    QVERIFY(QDir::setCurrent(elsewhere.path()));
    QVERIFY(fixture.ready());
    Form1 &window = fixture.window();

    QCOMPARE(window.windowTitle(), absolute);
    QVERIFY(!window.isUntitled());
    QCOMPARE(window.noteText(), QStringLiteral("+2\r\n+3"));
    QCOMPARE(window.text2()->text(), QStringLiteral("5"));

    // Another folder is current now: the quit's LastFile.ini and F9 still
    // name the same file.
    window.action("QuitX")->trigger();
    QTRY_VERIFY(fixture.hasQuit());
    QCOMPARE(fixture.readDataFile(QStringLiteral("LastFile.ini")), absolute.toUtf8() + "\r\n");
    window.setNoteText(QString());
    fixture.prompts.queueAnswer(Prompts::Answer::No);
    window.documents().RicaricaUltimoFileX_Click();
    QCOMPARE(window.noteText(), QStringLiteral("+2\r\n+3"));
    QVERIFY(QDir::setCurrent(before));
}

void StartupTest::emptyCommandLineArgumentMeansNoNote_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::newRow("empty argument") << QStringList {QString()};
    QTest::newRow("only quotes") << QStringList {QStringLiteral("\"\"")};
    QTest::newRow("blank arguments") << QStringList {QStringLiteral(" "), QString()};
}

void StartupTest::emptyCommandLineArgumentMeansNoNote()
{
    QFETCH(QStringList, arguments);
    WindowFixture fixture({.arguments = arguments});
    QVERIFY(fixture.ready());
    QVERIFY(fixture.window().isUntitled());
    QCOMPARE(fixture.window().noteText(), StartUp::startHeader());
}

void StartupTest::unreadableCommandLineNoteStaysUntitledAndIsNeverOverwritten()
{
    // A folder exists but cannot be read as a note, even by root.
    QTemporaryDir notes;
    const QString path = notes.filePath(QStringLiteral("a folder.txt"));
    QVERIFY(QDir().mkpath(path));
    WindowFixture fixture({.arguments = {QLatin1Char('"') + path + QLatin1Char('"')}});
    QVERIFY(fixture.ready());
    Form1 &window = fixture.window();

    const QStringList errors = fixture.prompts.takeErrors();
    QCOMPARE(errors.size(), 1);
    QVERIFY(errors.first().contains(path));
    QVERIFY(window.isUntitled());

    // Save must ask for a name rather than write over what it could not read.
    typeIntoNote(window, QStringLiteral("+1"));
    window.action("SaveX")->trigger();
    QVERIFY(fixture.answerSaveDialog(std::nullopt));
    QVERIFY(QFileInfo(path).isDir());
    QVERIFY(window.modi());
}

void StartupTest::binaryCommandLineNoteIsRefusedAndNeverOverwritten()
{
    QByteArray bytes;
    for (int i = 0; i < 64 * 1024; ++i)
        bytes.append(char((i * 7919 + i / 13) & 0xFF));
    bytes.append("\r\n+5\r\n");
    QTemporaryDir notes;
    const QString path = notes.filePath(QStringLiteral("binary.bin"));
    QVERIFY(WindowFixture::writeFile(path, bytes));
    WindowFixture fixture({.arguments = {path}});
    QVERIFY(fixture.ready());
    Form1 &window = fixture.window();

    // Shown as text and saved back, binary data would be destroyed: the note
    // stays untitled, so a Save cannot write over the file.
    const QStringList errors = fixture.prompts.takeErrors();
    QCOMPARE(errors.size(), 1);
    QVERIFY(errors.first().contains(path));
    QVERIFY(window.isUntitled());
    QCOMPARE(WindowFixture::readFile(path), bytes);
}

// The note named on the command line is opened before the window is up; a
// failure to open it already speaks the language the user chose.
void StartupTest::commandLineNoteErrorIsInTheChosenLanguage()
{
    QTemporaryDir notes;
    const QString path = notes.filePath(QStringLiteral("binary.bin"));
    QVERIFY(WindowFixture::writeFile(path, QByteArray("+1\0\x01+2", 6)));
    const QByteArray texts = "English_" + QByteArray::number(LanguageKeys::cannotOpen) + "=Cannot open %1: %2.\r\n"
        + "English_" + QByteArray::number(LanguageKeys::fileBinaryData) + "=it is not text\r\n";
    WindowFixture fixture({.arguments = {path}, .dataFiles = {{"Lang.ini", "English\r\n"}, {"Language.ini", texts}}});
    QVERIFY(fixture.ready());
    QCOMPARE(fixture.prompts.takeErrors(), QStringList {QStringLiteral("Cannot open %1: it is not text.").arg(path)});
}

void StartupTest::largeCommandLineNoteIsLoadedAndTotalled()
{
    // About 20 MB in lines of 100 characters, each adding one.
    const QByteArray line = "+1 " + QByteArray(95, 'x') + "\r\n";
    const int lineCount = 20 * 1024 * 1024 / int(line.size());
    QTemporaryDir notes;
    const QString path = notes.filePath(QStringLiteral("large.txt"));
    {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        for (int i = 0; i < lineCount; ++i)
            file.write(line);
    }
    QElapsedTimer clock;
    clock.start();
    WindowFixture fixture({.locale = usLocale(), .arguments = {path}});
    QVERIFY(fixture.ready());
    qInfo("a %d-line note loaded and totalled in %lld ms", lineCount, clock.elapsed());

    QCOMPARE(fixture.window().text2()->text(), QString::number(lineCount));
    QVERIFY(!fixture.window().modi());
}

void StartupTest::toolbarSettingIsRestored_data()
{
    QTest::addColumn<QByteArray>("barIni");
    QTest::addColumn<bool>("toolbarShown");
    QTest::newRow("0 shows") << QByteArray("0\r\n") << true;
    QTest::newRow("1 hides") << QByteArray("1\r\n") << false;
    QTest::newRow("missing hides") << QByteArray() << false;
    QTest::newRow("comment, section, empty line, then 0") << QByteArray("# c\r\n[Bar]\r\n\r\n0\r\n") << true;
    QTest::newRow("the last matching line wins") << QByteArray("0\r\n1\r\n") << false;
    QTest::newRow("1 then 0") << QByteArray("1\r\n0\r\n") << true;
    QTest::newRow("a blank before the value is not the value") << QByteArray(" 0\r\n") << false;
    QTest::newRow("garbage") << QByteArray("yes\r\n\x00\xff\xfe\r\n00\r\n") << false;
}

void StartupTest::toolbarSettingIsRestored()
{
    QFETCH(QByteArray, barIni);
    QFETCH(bool, toolbarShown);
    WindowSetup setup;
    if (!barIni.isEmpty())
        setup.dataFiles = {{QStringLiteral("Bar.ini"), barIni}};
    WindowFixture fixture(setup);
    QVERIFY(fixture.ready());
    QCOMPARE(fixture.window().picture3()->isVisible(), toolbarShown);
    QCOMPARE(fixture.window().action("MostraStrumentiX")->isChecked(), toolbarShown);
}

void StartupTest::editorSettingIsRestored_data()
{
    QTest::addColumn<QByteArray>("scrollIni");
    QTest::addColumn<bool>("wrapping");
    QTest::newRow("1 wraps") << QByteArray("1\r\n") << true;
    QTest::newRow("0 scrolls both ways") << QByteArray("0\r\n") << false;
    QTest::newRow("comments, then 1") << QByteArray("'x\r\n#y\r\n[z]\r\n\r\n1\r\n") << true;
    QTest::newRow("garbage") << QByteArray("2\r\nwrap\r\n") << false;
}

void StartupTest::editorSettingIsRestored()
{
    QFETCH(QByteArray, scrollIni);
    QFETCH(bool, wrapping);
    WindowFixture fixture({.dataFiles = {{QStringLiteral("Scroll.ini"), scrollIni}}});
    QVERIFY(fixture.ready());
    Form1 &window = fixture.window();
    NoteEditor *shown = wrapping ? window.editor2() : window.text1();
    NoteEditor *hidden = wrapping ? window.text1() : window.editor2();

    QCOMPARE(window.visibleEditor(), shown);
    QVERIFY(shown->isVisible());
    QVERIFY(hidden->isHidden());
    QCOMPARE(window.action("SoloVerticaleX")->isChecked(), wrapping);
    QCOMPARE(window.action("VerticaleOrizzonateX")->isChecked(), !wrapping);
    QCOMPARE(window.noteText(), StartUp::startHeader());
    QCOMPARE(QApplication::focusWidget(), shown);
}

void StartupTest::maximisedPlacementIsRestored()
{
    WindowFixture fixture({.dataFiles = {{QStringLiteral("TabuloStart.ini"), "600,900,3000,2000,2\r\n"}}});
    QVERIFY(fixture.ready());
    QTRY_VERIFY(fixture.window().isMaximized());
}

void StartupTest::aStartAlwaysShowsTheWindow_data()
{
    QTest::addColumn<bool>("tray");
    QTest::newRow("a tray to go to") << true;
    QTest::newRow("no tray") << false;
}

void StartupTest::aStartAlwaysShowsTheWindow()
{
    // The record a quit from the tray leaves: minimised. The next start, or
    // a new copy started from a running one, shows its window all the same,
    // where the record puts it.
    QFETCH(bool, tray);
    WindowFixture fixture({.dataFiles = {{QStringLiteral("TabuloStart.ini"), "1200,2400,9600,7200,1\r\n"}}});
    fixture.desktop.systemTray = tray;
    QVERIFY(fixture.ready());
    Form1 &window = fixture.window();
    QTest::qWait(200);
    QVERIFY(window.isVisible());
    QVERIFY(!window.isMinimized());
    QVERIFY(!window.behaviours().tray()->icon()->isVisible());
    QCOMPARE(window.frameGeometry().topLeft(), QPoint(twipsToPixels(window, 2400), twipsToPixels(window, 1200)));
}

void StartupTest::placementIsAppliedInsideTheScreen_data()
{
    QTest::addColumn<QByteArray>("record");
    QTest::addColumn<QRect>("expectedTwips"); // an empty rectangle: anywhere on the screen
    QTest::newRow("as written at quit") << QByteArray("1200,2400,9600,7200,0\r\n") << QRect(2400, 1200, 9600, 7200);
    QTest::newRow("minimised far away") << QByteArray("-48000,-48000,9600,7200,0\r\n") << QRect();
    QTest::newRow("absurdly large and far") << QByteArray("9E+30,1E+9,4000000,4000000,0\r\n") << QRect();
    QTest::newRow("garbage lines") << QByteArray("hello\r\n,,,,\r\n\x01\x02\r\n") << QRect();
}

void StartupTest::placementIsAppliedInsideTheScreen()
{
    QFETCH(QByteArray, record);
    QFETCH(QRect, expectedTwips);
    WindowFixture fixture({.dataFiles = {{QStringLiteral("TabuloStart.ini"), record}}});
    QVERIFY(fixture.ready());
    Form1 &window = fixture.window();

    const QRect frame = window.frameGeometry();
    const QRect screen = window.screen()->availableGeometry();
    QVERIFY2(screen.contains(frame),
        qPrintable(QStringLiteral("window %1,%2 %3x%4 off screen %5x%6")
                       .arg(frame.x())
                       .arg(frame.y())
                       .arg(frame.width())
                       .arg(frame.height())
                       .arg(screen.width())
                       .arg(screen.height())));
    QVERIFY(frame.width() >= 200);
    QVERIFY(frame.height() >= 120);
    if (!expectedTwips.isEmpty()) {
        QCOMPARE(frame.x(), twipsToPixels(window, expectedTwips.x()));
        QCOMPARE(frame.y(), twipsToPixels(window, expectedTwips.y()));
        QCOMPARE(frame.width(), twipsToPixels(window, expectedTwips.width()));
        QCOMPARE(frame.height(), twipsToPixels(window, expectedTwips.height()));
    }
}

QTEST_MAIN(StartupTest)
#include "tst_form1_startup.moc"
