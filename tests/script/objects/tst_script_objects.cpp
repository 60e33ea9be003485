// The objects a note's script reaches, driven by real scripts through one run,
// as a user's script would drive them. The note is a real session; the editor
// selection is a plain value the test sets.
#include "core/files/text_file.h"
#include "core/language/language_keys.h"
#include "core/language/language_texts.h"
#include "core/session/note_session.h"
#include "script/objects/main_window_object.h"
#include "script/objects/note_text_object.h"
#include "script/objects/script_locale.h"
#include "script/objects/script_text_box.h"
#include "script/run/script_run.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace tabulo;

namespace {

// A run bound to a session, as the output window binds it to the main window.
struct Bench
{
    explicit Bench(const QLocale &locale = QLocale::c(), const QString &startFolder = QDir::tempPath())
        : session(locale, data.path())
    {
        NoteTextObject::Binding binding;
        binding.session = &session;
        binding.selection = [this] { return selection; };
        binding.select = [this](NoteTextObject::Selection s) { selection = s; };
        auto text = std::make_shared<NoteTextObject>(binding, localeOf(locale));
        auto totX = std::make_shared<ScriptTextBox>(
            u"TextBox", [this] { return session.totX(); }, [this](const QString &t) { session.setTotX(t); },
            localeOf(locale));
        auto totY = std::make_shared<ScriptTextBox>(
            u"TextBox", [this] { return session.totY(); }, [this](const QString &t) { session.setTotY(t); },
            localeOf(locale));
        MainWindowObject::Binding form;
        form.caption = [this] { return caption; };
        form.setCaption = [this](const QString &c) { caption = c; };
        form.placementTwips = [this] { return placement; };
        form.setPlacementTwips = [this](const QRect &r) { placement = r; };
        form.text1 = text;
        form.text2 = totX;
        form.text3 = totY;
        run = std::make_unique<ScriptRun>(
            locale, ScriptRun::WindowObjects {std::make_shared<MainWindowObject>(form), text, totX, totY}, startFolder);
    }
    static vbs::Locale localeOf(const QLocale &locale) { return scriptLocale(locale); }

    ScriptRun::Outcome operator()(const QString &script) { return run->run(script); }

    QTemporaryDir data;
    NoteSession session;
    NoteTextObject::Selection selection;
    QString caption = QStringLiteral("C:/notes/spese.txt");
    QRect placement {1500, 3000, 9000, 6000};
    std::unique_ptr<ScriptRun> run;
};

} // namespace

class ScriptObjectsTest : public QObject
{
    Q_OBJECT
private slots:
    void scriptsSeeThisOutput_data();
    void scriptsSeeThisOutput();
    void scriptErrorsCarryTheirNumber_data();
    void scriptErrorsCarryTheirNumber();
    void aScriptChangeOfTheNoteIsOneUndoableChange_data();
    void aScriptChangeOfTheNoteIsOneUndoableChange();
    void selectionMembersFollowTheEditor();
    void totalsFollowTheUsersNumberFormat();
    void theMainWindowsPlacementAndCaption();
    void fileListsListOnlyNames();
    void aHugeNoteOrOutputIsRefusedAndTheNoteStays();
    void aLineTooLongToShowIsRefused_data();
    void aLineTooLongToShowIsRefused();
    void aStoppedScriptKeepsWhatItWrote();
    void anErrorReadsInTheUsersLanguage_data();
    void anErrorReadsInTheUsersLanguage();
    void aRunPastItsTimeLimitIsAPlainSentence();
};

void ScriptObjectsTest::scriptsSeeThisOutput_data()
{
    QTest::addColumn<QString>("script");
    QTest::addColumn<QString>("output");
    const auto row = [](const char *name, const char *script, const char *output) {
        QTest::newRow(name) << QString::fromUtf8(script) << QString::fromUtf8(output);
    };
    row("Echo Write and WriteLine", "Echo.Write \"a\" : Echo.WriteLine \"b\" : Echo.WriteLine", "ab\r\n\r\n");
    row("Echo as a text box", "Echo = \"x\" : Echo = Echo & \"y\" : Echo.Text = Echo.Text & \"z\"", "xyz");
    row("Echo grown a line at a time",
        "For i = 1 To 3 : Echo.Text = Echo.Text & i & vbTab & Null & vbCrLf : Next\n"
        "With Echo : .Text = .Text & \"end\" : End With",
        "1\t\r\n2\t\r\n3\t\r\nend");
    row("Echo cleared", "Echo.Write \"gone\" : Echo.Clear : Echo.Write Len(Echo)", "0");
    row("list keeps the order, AddItem at an index",
        "ListBox.AddItem \"b\" : ListBox.AddItem \"a\" : ListBox.AddItem \"c\", 0\n"
        "For i = 0 To ListBox.ListCount - 1 : Echo.Write ListBox.List(i) & \",\" : Next\n"
        "Echo.Write ListBox.NewIndex",
        "c,b,a,0");
    row("sorted ignoring case, equal items in the order added",
        "For Each s In Array(\"beta\", \"alpha\", \"Gamma\", \"Alpha\", \"10\", \"9\") : ListBoxSort.AddItem s : Next\n"
        "For Each s In ListBoxSort : Echo.Write s & \",\" : Next",
        "10,9,alpha,Alpha,beta,Gamma,");
    row("sorted list ignores AddItem's index, NewIndex finds the item",
        "ListBoxSort.AddItem \"m\" : ListBoxSort.AddItem \"z\" : ListBoxSort.AddItem \"b\", 2\n"
        "Echo.Write ListBoxSort.List(0) & ListBoxSort.NewIndex & ListBoxSort.Sorted & ListBox.Sorted",
        "b0TrueFalse");
    row("RemoveItem, ListIndex and Text",
        "ListBox.AddItem \"a\" : ListBox.AddItem \"b\" : ListBox.AddItem \"c\"\n"
        "ListBox.ListIndex = 2 : Echo.Write ListBox.Text\n"
        "ListBox.RemoveItem 0 : Echo.Write ListBox.ListIndex & ListBox.Text\n"
        "ListBox.RemoveItem 1 : Echo.Write ListBox.ListIndex & ListBox.ListCount",
        "c1c-11");
    row("Text chooses the item with that text",
        "ListBox.AddItem \"one\" : ListBox.AddItem \"two\" : ListBox.Text = \"TWO\" : Echo.Write ListBox.ListIndex\n"
        "ListBox.Text = \"three\" : Echo.Write ListBox.ListIndex",
        "1-1");
    row("List past the end reads empty, List can be written",
        "ListBox.AddItem \"a\" : ListBox.List(0) = \"A\" : Echo.Write ListBox.List(0) & \"[\" & ListBox.List(5) & "
        "\"]\"",
        "A[]");
    row("Clear empties",
        "ListBoxSort.AddItem \"a\" : ListBoxSort.ListIndex = 0 : ListBoxSort.Clear\n"
        "Echo.Write ListBoxSort.ListCount & ListBoxSort.ListIndex",
        "0-1");
    row("an empty note", "Echo.Write Len(Text) & \"|\" & Text.Text & \"|\" & Text.SelText", "0||");
    row("a total box assigned and read", "TotX = 5 : Echo.Write TotX & \"|\" & TotX.Text & \"|\" & TotY", "5|5|5");
    row("the main window's boxes are the same boxes", "Tabulo.Text2 = 7 : Echo.Write TotX & Tabulo.Text3.Text", "77");
    row("only the dictionary and the pattern object can be made",
        "Set d = CreateObject(\"Scripting.Dictionary\") : d.Add \"k\", 1 : Echo.Write d.Count\n"
        "Set r = CreateObject(\"VBScript.RegExp\") : r.Pattern = \"\\d+\" : Echo.Write r.Test(\"a1\")",
        "1True");
}

void ScriptObjectsTest::scriptsSeeThisOutput()
{
    QFETCH(QString, script);
    QFETCH(QString, output);
    Bench bench;
    const ScriptRun::Outcome outcome = bench(script);
    QVERIFY2(!outcome.error, outcome.error ? qPrintable(QString::fromStdU16String(outcome.error->description)) : "");
    QCOMPARE(outcome.output, output);
}

void ScriptObjectsTest::scriptErrorsCarryTheirNumber_data()
{
    QTest::addColumn<QString>("script");
    QTest::addColumn<int>("number");
    QTest::addColumn<int>("line");
    QTest::newRow("a missing member of the main window") << "x = 1\nEcho.Write Tabulo.Hidden" << 438 << 2;
    QTest::newRow("a missing member of the note") << "Text.Font = 1" << 438 << 1;
    QTest::newRow("removing past the end") << "ListBox.RemoveItem 0" << 5 << 1;
    QTest::newRow("choosing past the end") << "ListBox.ListIndex = 0" << 380 << 1;
    QTest::newRow("a negative list index") << "x = ListBoxSort.List(-1)" << 381 << 1;
    QTest::newRow("a count cannot be written") << "ListBox.ListCount = 3" << 501 << 1;
    QTest::newRow("a folder that is not there") << "VbDir.Path = \"/no/such/folder\"" << 76 << 1;
    QTest::newRow("a drive that is not mounted") << "VbDrive.Drive = \"/no/such/volume\"" << 68 << 1;
    QTest::newRow("a total set to an object") << "Set TotX = ListBox" << 501 << 1;
    // A dictionary's default member needs a key.
    QTest::newRow("a total given an object's value") << "TotX = CreateObject(\"Scripting.Dictionary\")" << 450 << 1;
    QTest::newRow("programs cannot be started") << "Set s = CreateObject(\"WScript.Shell\")" << 429 << 1;
    QTest::newRow("files cannot be written") << "Set f = CreateObject(\"Scripting.FileSystemObject\")" << 429 << 1;
    QTest::newRow("endless recursion") << "Sub R() : R : End Sub\nR" << 28 << 1;
}

void ScriptObjectsTest::scriptErrorsCarryTheirNumber()
{
    QFETCH(QString, script);
    QFETCH(int, number);
    QFETCH(int, line);
    Bench bench;
    const ScriptRun::Outcome outcome = bench(script);
    QVERIFY(outcome.error.has_value());
    QCOMPARE(outcome.error->number, number);
    QCOMPARE(outcome.error->line, line);
    QCOMPARE(bench.session.totX(), QStringLiteral("0"));
}

void ScriptObjectsTest::aScriptChangeOfTheNoteIsOneUndoableChange_data()
{
    QTest::addColumn<QString>("script");
    QTest::addColumn<QString>("changed");
    QTest::addColumn<QString>("total");
    QTest::newRow("Text assigned") << "Text = Text & vbLf & \"+3\"" << QStringLiteral("+1\r\n+2\r\n+3")
                                   << QStringLiteral("6");
    QTest::newRow("Text.Text assigned line by line in one go")
        << "s = \"\" : For Each l In Split(Text, vbCrLf) : s = s & l & \"0\" & vbCrLf : Next : Text.Text = s"
        << QStringLiteral("+10\r\n+20\r\n") << QStringLiteral("30");
    QTest::newRow("SelText at the end") << "Text.SelStart = Len(Text) : Text.SelText = vbCrLf & \"-1\""
                                        << QStringLiteral("+1\r\n+2\r\n-1") << QStringLiteral("2");
}

void ScriptObjectsTest::aScriptChangeOfTheNoteIsOneUndoableChange()
{
    QFETCH(QString, script);
    QFETCH(QString, changed);
    QFETCH(QString, total);
    Bench bench;
    const QString original = QStringLiteral("+1\r\n+2");
    bench.session.setText(original);
    bench.session.resetModi();
    const ScriptRun::Outcome outcome = bench(script);
    QVERIFY(!outcome.error);
    QCOMPARE(bench.session.text(), changed);
    QCOMPARE(bench.session.totX(), total);
    QVERIFY(bench.session.modi());
    QVERIFY(bench.session.undo());
    QCOMPARE(bench.session.text(), original);
    QCOMPARE(bench.session.totX(), QStringLiteral("3"));
}

void ScriptObjectsTest::selectionMembersFollowTheEditor()
{
    Bench bench;
    bench.session.setText(QStringLiteral("+1 pane\r\n+2 latte"));
    bench.selection = {3, 4};
    ScriptRun::Outcome outcome
        = bench(QStringLiteral("Echo.Write Text.SelStart & \",\" & Text.SelLength & \",\" & Text.SelText"));
    QCOMPARE(outcome.output, QStringLiteral("3,4,pane"));

    outcome = bench(QStringLiteral("Text.SelText = \"burro\""));
    QVERIFY(!outcome.error);
    QCOMPARE(bench.session.text(), QStringLiteral("+1 burro\r\n+2 latte"));
    QCOMPARE(bench.selection.start, 8);
    QCOMPARE(bench.selection.length, 0);

    // Moving the start drops the selection; a length is cut at the note's end.
    outcome = bench(QStringLiteral("Text.SelStart = 1000 : Echo.Write Text.SelStart\n"
                                   "Text.SelStart = 3 : Text.SelLength = 1000 : Echo.Write \",\" & Text.SelLength"));
    QCOMPARE(outcome.output, QStringLiteral("18,15"));
}

void ScriptObjectsTest::totalsFollowTheUsersNumberFormat()
{
    Bench bench(QLocale(QLocale::Italian, QLocale::Italy));
    const ScriptRun::Outcome outcome = bench(QStringLiteral("TotX = 2.5 : Echo.Write TotX"));
    QVERIFY(!outcome.error);
    QCOMPARE(bench.session.totX(), QStringLiteral("2,5"));
    QCOMPARE(outcome.output, QStringLiteral("2,5"));
}

void ScriptObjectsTest::theMainWindowsPlacementAndCaption()
{
    Bench bench;
    const ScriptRun::Outcome outcome
        = bench(QStringLiteral("Echo.Write Tabulo.Caption & \"|\" & Tabulo.Left & \",\" & Tabulo.Top & \",\" & "
                               "Tabulo.Width & \",\" & Tabulo.Height\n"
                               "Tabulo.Caption = \"Conti\" : Tabulo.Left = 0 : Tabulo.Width = 4500"));
    QVERIFY(!outcome.error);
    QCOMPARE(outcome.output, QStringLiteral("C:/notes/spese.txt|1500,3000,9000,6000"));
    QCOMPARE(bench.caption, QStringLiteral("Conti"));
    QCOMPARE(bench.placement, QRect(0, 3000, 4500, 6000));
}

void ScriptObjectsTest::fileListsListOnlyNames()
{
    QTemporaryDir folder;
    for (const char *name : {"b.TXT", "a.txt", "c.vb", ".hidden.txt", "noext"})
        QFile(folder.filePath(QString::fromLatin1(name))).open(QIODevice::WriteOnly);
    QDir(folder.path()).mkdir(QStringLiteral("sub"));
    QDir(folder.path()).mkdir(QStringLiteral("Alpha"));
    Bench bench(QLocale::c(), folder.path());
    const ScriptRun::Outcome outcome = bench(QStringLiteral(
        "Sub Show(list) : For i = 0 To list.ListCount - 1 : Echo.Write list.List(i) & \",\" : Next : Echo.WriteLine : "
        "End Sub\n"
        "Show VbFiles\n"
        "VbFiles.Pattern = \"*.txt\" : Show VbFiles\n"
        "VbFiles.FileName = \"*.vb;*.TXT\" : Show VbFiles\n"
        "VbFiles.FileName = \"b.TXT\" : Echo.WriteLine VbFiles.ListIndex & VbFiles\n"
        "Show VbDir\n"
        "Echo.WriteLine (VbDir.List(-1) = VbDir.Path) & \",\" & (VbDrive.List(0) = \"/\") & \",\" & VbDrive"));
    QVERIFY2(!outcome.error, outcome.error ? qPrintable(QString::fromStdU16String(outcome.error->description)) : "");
    const QString root = QDir(folder.path()).absolutePath();
    QCOMPARE(outcome.output.split(QStringLiteral("\r\n")),
        (QStringList {QStringLiteral("a.txt,b.TXT,c.vb,noext,"), QStringLiteral("a.txt,b.TXT,"),
            QStringLiteral("a.txt,b.TXT,c.vb,"), QStringLiteral("1b.TXT"),
            root + QStringLiteral("/Alpha,") + root + QStringLiteral("/sub,"), QStringLiteral("True,True,/"),
            QString()}));
    // Listing never changed the folder.
    QCOMPARE(QDir(folder.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot).size(), 7);
}

void ScriptObjectsTest::aHugeNoteOrOutputIsRefusedAndTheNoteStays()
{
    Bench bench;
    bench.session.setText(QStringLiteral("+1"));
    ScriptRun::Outcome outcome = bench(QStringLiteral("Text = String(1024 * 1024, \"x\") & Space(32 * 1024 * 1024)"));
    QVERIFY(outcome.error.has_value());
    QCOMPARE(outcome.error->number, 7);
    QCOMPARE(bench.session.text(), QStringLiteral("+1"));
    // Ten megabytes in lines of a thousand characters are a note like any other.
    outcome
        = bench(QStringLiteral("s = String(1022, \"z\") & vbCrLf : For i = 1 To 10240 : t = t & s : Next : Text = t"));
    QVERIFY(!outcome.error);
    QCOMPARE(bench.session.text().size(), 10 * 1024 * 1024);
    QVERIFY(bench.session.undo());
    QCOMPARE(bench.session.text(), QStringLiteral("+1"));

    // Ten megabytes of output are shown; past the limit the script ends.
    outcome = bench(QStringLiteral("s = String(1022, \"y\") : For i = 1 To 10240 : Echo.WriteLine s : Next"));
    QVERIFY(!outcome.error);
    QCOMPARE(outcome.output.size(), 10 * 1024 * 1024);
    outcome = bench(QStringLiteral("s = String(60000, \"y\") & vbLf : Do : Echo.Write s : Loop"));
    QVERIFY(outcome.error.has_value());
    QCOMPARE(outcome.error->number, 7);
    // The same built the way scripts for a text box do.
    outcome = bench(QStringLiteral("s = String(1022, \"y\") & vbCrLf : For i = 1 To 10240 : Echo = Echo & s : Next"));
    QVERIFY(!outcome.error);
    QCOMPARE(outcome.output.size(), 10 * 1024 * 1024);
    outcome = bench(QStringLiteral("s = String(60000, \"y\") & vbLf : Do : Echo.Text = Echo.Text & s : Loop"));
    QVERIFY(outcome.error.has_value());
    QCOMPARE(outcome.error->number, 7);
}

void ScriptObjectsTest::aLineTooLongToShowIsRefused_data()
{
    QTest::addColumn<QString>("script");
    QTest::addColumn<bool>("refused");
    QTest::newRow("a whole note of one line at the limit") << "Text = String(65536, \"x\")" << false;
    QTest::newRow("one more character") << "Text = String(65537, \"x\")" << true;
    QTest::newRow("long lines each within the limit")
        << "Text = String(65536, \"x\") & vbCrLf & String(65536, \"y\") & vbLf & String(65536, \"z\")" << false;
    QTest::newRow("inserted text joined to the line around the caret")
        << "Text.SelStart = 3 : Text.SelText = String(65531, \"x\")" << true;
    QTest::newRow("inserted lines that end the caret's line")
        << "Text.SelStart = 3 : Text.SelText = vbCrLf & String(65536, \"x\") & vbCrLf" << false;
    QTest::newRow("an output line at the limit, written in pieces")
        << "For i = 1 To 64 : Echo.Write String(1024, \"e\") : Next : Echo.WriteLine" << false;
    QTest::newRow("an output line past the limit, written in pieces")
        << "For i = 1 To 64 : Echo.Write String(1024, \"e\") : Next : Echo.Write \"!\"" << true;
    QTest::newRow("an output line past the limit, assigned a piece at a time")
        << "For i = 1 To 65 : Echo = Echo & String(1024, \"e\") : Next" << true;
    QTest::newRow("an output line past the limit, assigned in the middle")
        << "Echo = \"a\" & vbCrLf & String(65537, \"e\") & vbCrLf & \"b\"" << true;
    QTest::newRow("an output assigned anew starts its lines anew")
        << "Echo = String(65000, \"e\") : Echo = \"short\" : Echo.Write String(65000, \"e\")" << false;
    QTest::newRow("replacing the selection gives its room back")
        << "Text.SelStart = 0 : Text.SelLength = 6 : Text.SelText = String(65532, \"x\")" << false;
}

void ScriptObjectsTest::aLineTooLongToShowIsRefused()
{
    QFETCH(QString, script);
    QFETCH(bool, refused);
    Bench bench;
    const QString note = QStringLiteral("+1 abc");
    bench.session.setText(note);
    const ScriptRun::Outcome outcome = bench(script);
    QCOMPARE(outcome.error.has_value(), refused);
    if (refused) {
        QCOMPARE(outcome.error->number, 7);
        QCOMPARE(bench.session.text(), note);
        // What is shown never holds the line that was refused.
        QVERIFY(longestLineLength(outcome.output) <= maxNoteLineLength);
    }
}

void ScriptObjectsTest::aStoppedScriptKeepsWhatItWrote()
{
    Bench bench;
    int checks = 0;
    const ScriptRun::Outcome outcome
        = bench.run->run(QStringLiteral("Echo.WriteLine \"before\"\nOn Error Resume Next\nDo : Loop"),
            [&checks] { return ++checks > 2; });
    QVERIFY(outcome.error.has_value());
    QCOMPARE(outcome.error->number, int(vbs::err::Interrupted));
    QCOMPARE(outputWithError(outcome, builtInLanguageText), QStringLiteral("before\r\nScript interrotto con Esc."));
}

void ScriptObjectsTest::anErrorReadsInTheUsersLanguage_data()
{
    QTest::addColumn<QString>("script");
    QTest::addColumn<QString>("shown");
    QTest::newRow("a run-time error") << "Echo.WriteLine \"a\"\nx = 1 / \"b\""
                                      << "a\r\nError 13 on line 2, column 1: Type mismatch (in English)";
    QTest::newRow("a syntax error") << "If Then"
                                    << "Error 1023 on line 1, column 4: Expected expression (in English)";
    QTest::newRow("the script's own description stays as written")
        << "Err.Raise 13, \"me\", \"Not a number, says me\""
        << "Error 13 on line 1, column 1: Not a number, says me";
    QTest::newRow("an error the language does not give falls back to the built-in text")
        << "x = 1 / 0"
        << "Error 11 on line 1, column 1: Divisione per zero";
    QTest::newRow("a line too long for the output, in the user's language")
        << "Echo.Write String(65537, \"e\")"
        << "Error 7 on line 1, column 1: More than 65536 characters on one line";
}

// The words come from the language file, numbers only where a script error
// has one the user can look up.
void ScriptObjectsTest::anErrorReadsInTheUsersLanguage()
{
    QFETCH(QString, script);
    QFETCH(QString, shown);
    const LanguageTexts english = LanguageTexts::fromText(u"English_270=Error %1 on line %2, column %3: %4\r\n"
                                                          u"English_100013=Type mismatch (in English)\r\n"
                                                          u"English_101023=Expected expression (in English)\r\n"
                                                          u"English_279=More than %1 characters on one line\r\n",
        QStringLiteral("English"));
    Bench bench;
    const ScriptRun::Outcome outcome = bench(script);
    QCOMPARE(outputWithError(outcome, [&english](int key) { return english.text(key); }), shown);
}

void ScriptObjectsTest::aRunPastItsTimeLimitIsAPlainSentence()
{
    ScriptRun::Outcome outcome;
    outcome.output = QStringLiteral("half");
    vbs::ScriptError error;
    error.number = vbs::err::TimedOut;
    error.description = std::u16string(vbs::errorDescription(error.number));
    error.line = 40;
    outcome.error = error;
    QCOMPARE(outputWithError(outcome, builtInLanguageText),
        QStringLiteral("half\r\nLo script è stato interrotto: è durato più di 10 secondi."));
}

QTEST_GUILESS_MAIN(ScriptObjectsTest)
#include "tst_script_objects.moc"
