// The edit commands, the exports, help and info in the real main window:
// which files they write and what they ask of the desktop.

#include "core/files/text_file.h"
#include "tests/windows/main/window_test_support.h"

#include "core/language/language_texts.h"

#include <QClipboard>
#include <QDate>
#include <QGuiApplication>

using namespace tabulo;
using namespace tabulo::testing;
using Kind = ScriptedPrompts::Kind;

namespace {

QString helpName(const QString &language)
{
    return QStringLiteral("Help_") + language + QStringLiteral(".htm");
}

} // namespace

class ToolsWindowTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { useUnrelatedDefaultLocale(); }

    void textExportWritesNoteRuleAndTotalThenOpensTheEditor()
    {
        WindowFixture fixture;
        QVERIFY(fixture.ready());
        Form1 &window = fixture.window();
        window.setNoteText(QStringLiteral("+100\r\n+50"));
        QTest::keyClick(&window, Qt::Key_F5, Qt::ShiftModifier);
        QCOMPARE(fixture.readDataFile(QStringLiteral("Temp.txt")),
            QByteArray("+100\r\n+50\r\n===========================\r\n150\r\n"));
        QCOMPARE(fixture.desktop.requests, QStringList {QStringLiteral("editor ") + fixture.dataFile("Temp.txt")});
    }

    void exportThatCannotWriteSaysSoAndOpensNothing_data()
    {
        QTest::addColumn<QString>("command");
        QTest::newRow("text") << "EsportaX";
        QTest::newRow("html") << "EsportaHtmlX";
    }
    void exportThatCannotWriteSaysSoAndOpensNothing()
    {
        QFETCH(QString, command);
        WindowFixture fixture({.data = DataFolder::Blocked});
        QVERIFY(fixture.ready());
        // The page goes beside the programs: a folder stands where it would be.
        QVERIFY(QDir().mkpath(fixture.filePath(QStringLiteral("Output.htm"))));
        fixture.window().action(command)->trigger();
        const QStringList errors = fixture.prompts.takeErrors();
        QCOMPARE(errors.size(), 1);
        const QString file
            = command == QLatin1String("EsportaX") ? QStringLiteral("Temp.txt") : QStringLiteral("Output.htm");
        QVERIFY2(errors.first().contains(file), qPrintable(errors.first()));
        QCOMPARE(fixture.prompts.count(Kind::Information), 0); // never told it worked
        QCOMPARE(fixture.desktop.requests, QStringList());
    }

    void htmlExportUsesTheEditorsLookAndEscapesTheText()
    {
        WindowFixture fixture({.separateWritableFolder = true});
        QVERIFY(fixture.ready());
        Form1 &window = fixture.window();
        NoteEditor *editor = window.visibleEditor();
        QPalette palette = editor->palette();
        palette.setColor(QPalette::Base, QColor(255, 255, 255));
        palette.setColor(QPalette::Text, QColor(0x12, 0x34, 0x56));
        editor->setPalette(palette);
        QFont font = editor->font();
        font.setFamily(QStringLiteral("Courier New"));
        font.setPointSizeF(9.75);
        editor->setFont(font);
        window.setNoteText(QStringLiteral("a  <b>&\r\n2"));
        QTest::keyClick(&window, Qt::Key_F5, Qt::ControlModifier);

        const QString page = fixture.writableFolder() + QStringLiteral("/Output.htm");
        const QString html = QString::fromUtf8(WindowFixture::readFile(page));
        QVERIFY(html.contains(QStringLiteral("\r\n<body bgcolor='#FFFFFF'>\r\n<font face='Courier New' color='#123456'>"
                                             "\r\n<span style='font-size: 9.75pt'>\r\na &lt;b&gt;&amp;<br />2\r\n")));
        QCOMPARE(fixture.prompts.shown().size(), 1);
        QCOMPARE(fixture.prompts.shown().first().text,
            QStringLiteral("Name 'Output.htm' in ") + QDir::toNativeSeparators(fixture.writableFolder()));
        QCOMPARE(fixture.desktop.requests, QStringList {QStringLiteral("open ") + page});
        QVERIFY(!QFile::exists(fixture.filePath(QStringLiteral("Output.htm")))); // never into the installation
    }

    void clipboardCommandsEditTheNoteAsTypingDoes()
    {
        WindowFixture fixture;
        QVERIFY(fixture.ready());
        Form1 &window = fixture.window();
        window.setNoteText(QStringLiteral("+10\r\n+20\r\n+30"));
        NoteEditor *editor = window.visibleEditor();
        editor->setFocus();
        select(editor, 4, 8); // "+20\n"
        window.action(QStringLiteral("TagliaX"))->trigger();
        QCOMPARE(window.noteText(), QStringLiteral("+10\r\n+30"));
        QCOMPARE(window.text2()->text(), QStringLiteral("40"));
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("+20\n"));

        editor->moveCursor(QTextCursor::Start);
        window.windowLayout().tool_Click(9); // the toolbar's paste
        QCOMPARE(window.noteText(), QStringLiteral("+20\r\n+10\r\n+30"));
        QCOMPARE(window.text2()->text(), QStringLiteral("60"));

        window.action(QStringLiteral("AnnullaX"))->trigger();
        QCOMPARE(window.noteText(), QStringLiteral("+10\r\n+30"));
        window.action(QStringLiteral("AnnullaX"))->trigger();
        QCOMPARE(window.noteText(), QStringLiteral("+10\r\n+20\r\n+30"));

        select(editor, 0, 3);
        window.windowLayout().tool_Click(8); // copy leaves the note alone
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("+10"));
        QCOMPARE(window.noteText(), QStringLiteral("+10\r\n+20\r\n+30"));
    }

    void aPasteWithALineTooLongToShowIsRefused_data()
    {
        QTest::addColumn<QString>("pasted");
        QTest::addColumn<bool>("refused");
        QTest::newRow("a line at the limit") << QString(maxNoteLineLength, u'x') << false;
        QTest::newRow("one character more, among short lines")
            << QStringLiteral("+1\n") + QString(maxNoteLineLength + 1, u'x') + QStringLiteral("\n+2") << true;
    }
    void aPasteWithALineTooLongToShowIsRefused()
    {
        QFETCH(QString, pasted);
        QFETCH(bool, refused);
        WindowFixture fixture;
        QVERIFY(fixture.ready());
        Form1 &window = fixture.window();
        window.setNoteText(QStringLiteral("+10"));
        window.visibleEditor()->setFocus();
        QGuiApplication::clipboard()->setText(pasted);
        window.action(QStringLiteral("IncollaX"))->trigger();
        const QStringList errors = fixture.prompts.takeErrors();
        QCOMPARE(errors.size(), refused ? 1 : 0);
        if (refused) {
            QCOMPARE(window.noteText(), QStringLiteral("+10"));
            QVERIFY2(errors.first().contains(QString::number(maxNoteLineLength)), qPrintable(errors.first()));
        } else {
            QCOMPARE(window.noteText().size(), 3 + maxNoteLineLength);
        }
    }

    void selectAllActsOnTheFocusedBox()
    {
        WindowFixture fixture;
        QVERIFY(fixture.ready());
        Form1 &window = fixture.window();
        window.setNoteText(QStringLiteral("1\r\n2"));
        window.visibleEditor()->setFocus();
        QTest::keyClick(&window, Qt::Key_A, Qt::ControlModifier);
        QCOMPARE(window.visibleEditor()->textCursor().selectedText().size(), 3);

        window.text2()->setFocus();
        QVERIFY(QTest::qWaitFor([&] { return window.text2()->hasFocus(); }));
        window.action(QStringLiteral("SelezionaTuttoX"))->trigger();
        QCOMPARE(window.text2()->selectedText(), window.text2()->text());
    }

    void deleteNeedsASelection()
    {
        WindowFixture fixture;
        QVERIFY(fixture.ready());
        Form1 &window = fixture.window();
        window.setNoteText(QStringLiteral("+5\r\n+7"));
        window.action(QStringLiteral("EliminaX"))->trigger();
        QCOMPARE(fixture.prompts.shown().size(), 1);
        QCOMPARE(fixture.prompts.shown().first().text, window.languageText(70));
        QCOMPARE(window.noteText(), QStringLiteral("+5\r\n+7"));

        select(window.visibleEditor(), 2, 5);
        window.action(QStringLiteral("EliminaX"))->trigger();
        QCOMPARE(window.noteText(), QStringLiteral("+5"));
        QCOMPARE(window.text2()->text(), QStringLiteral("5"));
        window.action(QStringLiteral("AnnullaX"))->trigger();
        QCOMPARE(window.noteText(), QStringLiteral("+5\r\n+7"));
    }

    void caretJumpsToStartAndEnd_data()
    {
        QTest::addColumn<QString>("note");
        QTest::addColumn<int>("end");
        QTest::newRow("empty note") << "" << 0;
        QTest::newRow("two lines") << "12\r\n345" << 6;
    }
    void caretJumpsToStartAndEnd()
    {
        QFETCH(QString, note);
        QFETCH(int, end);
        WindowFixture fixture;
        QVERIFY(fixture.ready());
        Form1 &window = fixture.window();
        window.setNoteText(note);
        select(window.visibleEditor(), 0, 0);
        window.action(QStringLiteral("VaiGiuX"))->trigger();
        QCOMPARE(window.visibleEditor()->textCursor().position(), end);
        window.action(QStringLiteral("VaiSuX"))->trigger();
        QCOMPARE(window.visibleEditor()->textCursor().position(), 0);
    }

    void helpOpensThePageOfTheLanguage()
    {
        WindowFixture fixture({.dataFiles = {{QStringLiteral("Help_Italiano.htm"), "<html></html>"}}});
        QVERIFY(fixture.ready());
        Form1 &window = fixture.window();
        QTest::keyClick(&window, Qt::Key_F1);
        window.windowLayout().tool_Click(12);
        const QString open = QStringLiteral("open ") + fixture.dataFile(QStringLiteral("Help_Italiano.htm"));
        QCOMPARE(fixture.desktop.requests, (QStringList {open, open}));
    }

    void missingHelpPageIsNamed()
    {
        WindowFixture fixture;
        QVERIFY(fixture.ready());
        fixture.window().action(QStringLiteral("AiutoX"))->trigger();
        const QStringList errors = fixture.prompts.takeErrors();
        QCOMPARE(errors.size(), 1);
        QVERIFY2(errors.first().contains(QStringLiteral("Help_Italiano.htm")), qPrintable(errors.first()));
        QCOMPARE(fixture.desktop.requests, QStringList());
    }

    // Every language the program ships, the built-in one included, has its
    // manual, and each covers the same ground.
    void everyShippedLanguageHasItsHelpPage()
    {
        const QString data = QStringLiteral(TABULO_SHIPPED_DATA);
        QStringList languages {QStringLiteral("Italiano")};
        for (const QString &file : languageFiles::folderNames(data))
            languages << languageFiles::readNameInFolder(data, file);
        languages.removeDuplicates();
        for (const char *language : {"English", "Deutsch", "Français", "Español"})
            QVERIFY2(languages.contains(QString::fromUtf8(language)), language);
        for (const QString &language : std::as_const(languages)) {
            const QString page
                = QString::fromUtf8(WindowFixture::readFile(data + QLatin1Char('/') + helpName(language)));
            QVERIFY2(page.contains(QStringLiteral("</html>")), qPrintable(language));
            // The control key is named as each language's menus name it.
            for (const char *mustMention : {"+4+6", "555-1234", "2024/12/05", "TotX", "F1", "+F5", "+Z", "VBScript",
                     "SelText", "Echo.WriteLine", "ListBoxSort", "VbFiles", "Text3", "CreateObject", "Budget.vb"})
                QVERIFY2(
                    page.contains(QLatin1String(mustMention)), qPrintable(language + QLatin1Char(' ') + mustMention));
        }
    }

    void infoShowsTwoLinesEndingTheFirstWithTheYear()
    {
        WindowFixture fixture;
        QVERIFY(fixture.ready());
        fixture.window().action(QStringLiteral("InfoX"))->trigger();
        QCOMPARE(fixture.prompts.shown().size(), 1);
        const QStringList lines = fixture.prompts.shown().first().text.split(QLatin1Char('\n'));
        QCOMPARE(lines.size(), 2);
        QVERIFY(lines[0].startsWith(QStringLiteral("Tabulo (Notes + Calculator)")));
        QVERIFY(lines[0].endsWith(QString::number(QDate::currentDate().year())));
        QCOMPARE(lines[1], QStringLiteral("Ver. 5.00 (08 September 2019)"));
    }
};

QTEST_MAIN(ToolsWindowTest)
#include "tst_form1_tools.moc"
