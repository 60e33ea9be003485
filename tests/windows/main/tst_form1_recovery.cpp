// The note's recovery copy in the real main window: kept while there are
// unsaved changes, written when the typing pauses, gone once nothing is
// unsaved; and a copy left by a program that ended without quitting,
// offered back at the next start.

#include "tests/windows/main/window_test_support.h"

#include "core/language/language_keys.h"
#include "core/recovery/recovery_copy.h"
#include "core/recovery/recovery_folder.h"
#include "windows/main/parts/note_recovery.h"

using namespace tabulo;
using namespace tabulo::testing;
using Kind = ScriptedPrompts::Kind;

namespace {

constexpr char leftName[] = "Recovery/0-left.note";

QStringList copiesIn(const WindowFixture &fixture)
{
    return QDir(fixture.dataFile(QStringLiteral("Recovery")))
        .entryList({QLatin1Char('*') + QLatin1String(RecoveryFolder::copySuffix)}, QDir::Files);
}

std::optional<RecoveryCopy> ownCopy(Form1 &window)
{
    window.recovery().finishWriting();
    const QString path = window.recovery().ownCopyPath();
    if (path.isEmpty() || !QFile::exists(path))
        return std::nullopt;
    return RecoveryCopy::parse(WindowFixture::readFile(path));
}

// Waits for the pause after the typing and the copy it writes.
bool copyKept(Form1 &window)
{
    return QTest::qWaitFor([&] { return ownCopy(window) && ownCopy(window)->text == window.noteText(); }, 5000);
}

enum class Ending { Save, NewDiscarding, OpenDiscarding, QuitDiscarding, QuitSaving, QuitCancelled };

// A second window of the same program folder, as a second program started
// beside the first would be, with services of its own.
class SecondWindow
{
public:
    explicit SecondWindow(const WindowFixture &first)
    {
        ProgramContext context;
        context.programFolder = first.programFolder();
        context.locale = italianLocale();
        context.prompts = &prompts;
        context.desktop = &desktop;
        window = std::make_unique<Form1>(context);
        window->show();
    }
    bool ready()
    {
        return QTest::qWaitFor(
            [this] { return !window->startUp().isStarting() && !window->noteView().historyResetPending(); }, 5000);
    }
    ScriptedPrompts prompts;
    RecordingDesktop desktop;
    std::unique_ptr<Form1> window;
};

} // namespace

Q_DECLARE_METATYPE(Ending)
Q_DECLARE_METATYPE(Prompts::Answer)

class RecoveryTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { useUnrelatedDefaultLocale(); }

    void typingKeepsACopyOnceThePauseComes();
    void aCopyGoesWhenNothingIsLeftUnsaved_data();
    void aCopyGoesWhenNothingIsLeftUnsaved();
    void aLeftCopyIsOfferedAtStart_data();
    void aLeftCopyIsOfferedAtStart();
    void oneLeftCopyIsTakenBackAtATime();
    void anUnreadableLeftCopyIsKeptAndReported();
    void windowsRunningAtOnceKeepTheirOwnCopies();
    void aDataFolderThatCannotHoldACopyCostsNothingElse();
};

void RecoveryTest::typingKeepsACopyOnceThePauseComes()
{
    WindowFixture fixture;
    QVERIFY(fixture.ready());
    Form1 &window = fixture.window();
    QCOMPARE(ownCopy(window), std::nullopt);
    // Keys typed one after another write nothing: the copy waits for the pause.
    typeIntoNote(window, QStringLiteral("+1\n+2 pane"));
    QCOMPARE(ownCopy(window), std::nullopt);
    QVERIFY(copyKept(window));
    QCOMPARE(ownCopy(window), std::optional(RecoveryCopy {QString(), window.noteText()}));

    // The copy names the note's file once it has one, and follows the text.
    const QString file = fixture.filePath(QStringLiteral("conti.txt"));
    QVERIFY(window.documents().saveNoteAs(file));
    QTRY_COMPARE(ownCopy(window), std::nullopt);
    typeIntoNote(window, QStringLiteral("\n+3"));
    QVERIFY(copyKept(window));
    QCOMPARE(ownCopy(window)->noteFile, file);
    QCOMPARE(copiesIn(fixture).size(), 1);
}

void RecoveryTest::aCopyGoesWhenNothingIsLeftUnsaved_data()
{
    QTest::addColumn<Ending>("ending");
    QTest::addColumn<bool>("copyStays");
    QTest::newRow("saved") << Ending::Save << false;
    QTest::newRow("New, changes discarded") << Ending::NewDiscarding << false;
    QTest::newRow("a note opened, changes discarded") << Ending::OpenDiscarding << false;
    QTest::newRow("quit, changes discarded") << Ending::QuitDiscarding << false;
    QTest::newRow("quit, changes saved") << Ending::QuitSaving << false;
    QTest::newRow("quit cancelled") << Ending::QuitCancelled << true;
}

void RecoveryTest::aCopyGoesWhenNothingIsLeftUnsaved()
{
    QFETCH(Ending, ending);
    QFETCH(bool, copyStays);
    QTemporaryDir notes;
    const QString file = notes.filePath(QStringLiteral("conti.txt"));
    const QString other = notes.filePath(QStringLiteral("altro.txt"));
    QVERIFY(WindowFixture::writeFile(file, "+1"));
    QVERIFY(WindowFixture::writeFile(other, "+9"));
    WindowFixture fixture({.arguments = {file}});
    QVERIFY(fixture.ready());
    Form1 &window = fixture.window();
    typeIntoNote(window, QStringLiteral("\n+2"));
    QVERIFY(copyKept(window));

    switch (ending) {
    case Ending::Save:
        window.action("SaveX")->trigger();
        break;
    case Ending::NewDiscarding:
        fixture.prompts.queueAnswer(Prompts::Answer::No);
        window.action("New_Calc")->trigger();
        break;
    case Ending::OpenDiscarding:
        fixture.prompts.queueAnswer(Prompts::Answer::No);
        window.documents().dropFiles({QUrl::fromLocalFile(other)});
        break;
    case Ending::QuitDiscarding:
    case Ending::QuitSaving:
    case Ending::QuitCancelled:
        fixture.prompts.queueAnswer(ending == Ending::QuitDiscarding ? Prompts::Answer::No
                : ending == Ending::QuitSaving                       ? Prompts::Answer::Yes
                                                                     : Prompts::Answer::Cancel);
        window.action("QuitX")->trigger();
        QTRY_COMPARE(fixture.prompts.count(Kind::Question), 1);
        QCOMPARE(fixture.hasQuit(), !copyStays);
        break;
    }
    if (copyStays) {
        QTest::qWait(500);
        QVERIFY(ownCopy(window));
        return;
    }
    QTRY_COMPARE(copiesIn(fixture), QStringList());
    QTest::qWait(500); // no pause brings it back
    QCOMPARE(copiesIn(fixture), QStringList());
    if (fixture.hasQuit()) // a clean quit leaves nothing for the next start
        QCOMPARE(QDir(fixture.dataFile(QStringLiteral("Recovery"))).entryList(QDir::Files), QStringList());
}

void RecoveryTest::aLeftCopyIsOfferedAtStart_data()
{
    QTest::addColumn<QString>("noteFile"); // relative to the test's folder; empty: no file
    QTest::addColumn<Prompts::Answer>("answer");
    QTest::newRow("its file's changes taken back") << "conti.txt" << Prompts::Answer::Yes;
    QTest::newRow("a note without a file taken back") << "" << Prompts::Answer::Yes;
    QTest::newRow("discarded") << "conti.txt" << Prompts::Answer::No;
    QTest::newRow("left for the next start") << "" << Prompts::Answer::Cancel;
}

void RecoveryTest::aLeftCopyIsOfferedAtStart()
{
    QFETCH(QString, noteFile);
    QFETCH(Prompts::Answer, answer);
    QTemporaryDir notes;
    const QString file = noteFile.isEmpty() ? QString() : notes.filePath(noteFile);
    const RecoveryCopy left {file, QStringLiteral("+1\r\n+2 pane\r\n")};
    WindowFixture fixture({.dataFiles = {{QLatin1String(leftName), left.format()}}});
    // The question comes once the window is up, and says when the copy was made.
    const QString written = italianLocale().toString(
        QFileInfo(fixture.dataFile(QLatin1String(leftName))).lastModified(), QLocale::ShortFormat);
    fixture.prompts.queueAnswer(answer);
    QVERIFY(fixture.ready());
    Form1 &window = fixture.window();
    QCOMPARE(fixture.prompts.count(Kind::Question), 1);
    const QString question = fixture.prompts.shown().constFirst().text;
    if (file.isEmpty()) {
        QCOMPARE(question, window.languageText(LanguageKeys::recoverNoteWithoutFile).arg(written));
    } else {
        QCOMPARE(question, window.languageText(LanguageKeys::recoverNote).arg(file, written));
        QVERIFY(question.contains(file));
    }

    const bool taken = answer == Prompts::Answer::Yes;
    QCOMPARE(QFile::exists(fixture.dataFile(QLatin1String(leftName))), answer == Prompts::Answer::Cancel);
    if (!taken) {
        QCOMPARE(window.noteText(), StartUp::startHeader());
        QVERIFY(!window.modi());
        return;
    }
    // The text is back as unsaved changes of its file.
    QCOMPARE(window.noteText(), left.text);
    QCOMPARE(window.text2()->text(), QStringLiteral("3"));
    QVERIFY(window.modi());
    QCOMPARE(window.isUntitled(), file.isEmpty());
    if (!file.isEmpty())
        QCOMPARE(window.windowTitle(), file);
    QCOMPARE(window.statusPanel(0)->text(), window.languageText(63));
    // It is this program's copy now, so it is never without one.
    QCOMPARE(ownCopy(window), std::optional(left));
    // Saving leaves nothing to recover.
    if (file.isEmpty()) {
        QVERIFY(window.documents().saveNoteAs(notes.filePath(QStringLiteral("nuova.txt"))));
    } else {
        window.action("SaveX")->trigger();
        QCOMPARE(WindowFixture::readFile(file), QByteArray("+1\r\n+2 pane\r\n\r\n"));
    }
    QTRY_COMPARE(copiesIn(fixture), QStringList());
}

void RecoveryTest::oneLeftCopyIsTakenBackAtATime()
{
    const RecoveryCopy first {QString(), QStringLiteral("+1")};
    const RecoveryCopy second {QString(), QStringLiteral("+2")};
    const RecoveryCopy third {QString(), QStringLiteral("+3")};
    WindowFixture fixture({.dataFiles
        = {{QStringLiteral("Recovery/a.note"), first.format()}, {QStringLiteral("Recovery/b.note"), second.format()},
            {QStringLiteral("Recovery/c.note"), third.format()}}});
    // Oldest first (the same age: by name). The first is discarded, the
    // second taken back; the third waits for the next start.
    fixture.prompts.queueAnswer(Prompts::Answer::No);
    fixture.prompts.queueAnswer(Prompts::Answer::Yes);
    QVERIFY(fixture.ready());
    QCOMPARE(fixture.prompts.count(Kind::Question), 2);
    QCOMPARE(fixture.window().noteText(), second.text);
    QVERIFY(!QFile::exists(fixture.dataFile(QStringLiteral("Recovery/a.note"))));
    QVERIFY(!QFile::exists(fixture.dataFile(QStringLiteral("Recovery/b.note"))));
    QCOMPARE(RecoveryCopy::parse(WindowFixture::readFile(fixture.dataFile(QStringLiteral("Recovery/c.note")))),
        std::optional(third));
    QCOMPARE(copiesIn(fixture).size(), 2); // this program's own and the third
}

void RecoveryTest::anUnreadableLeftCopyIsKeptAndReported()
{
    const QByteArray damaged = RecoveryCopy {QString(), QStringLiteral("+1 pane")}.format().chopped(2);
    WindowFixture fixture({.dataFiles = {{QLatin1String(leftName), damaged}}});
    QVERIFY(fixture.ready());
    const QString kept
        = fixture.dataFile(QStringLiteral("Recovery/0-left") + QLatin1String(RecoveryFolder::setAsideSuffix));
    QCOMPARE(fixture.prompts.takeErrors(),
        QStringList {fixture.window().languageText(LanguageKeys::recoveryCopyUnreadable).arg(kept)});
    QCOMPARE(WindowFixture::readFile(kept), damaged);
    QCOMPARE(fixture.prompts.count(Kind::Question), 0);
    QCOMPARE(fixture.window().noteText(), StartUp::startHeader());
}

void RecoveryTest::windowsRunningAtOnceKeepTheirOwnCopies()
{
    WindowFixture fixture;
    QVERIFY(fixture.ready());
    typeIntoNote(fixture.window(), QStringLiteral("+1"));
    QVERIFY(copyKept(fixture.window()));
    {
        // Started while the first runs: its copy is not offered.
        SecondWindow second(fixture);
        QVERIFY(second.ready());
        QCOMPARE(second.prompts.shown().size(), 0);
        typeIntoNote(*second.window, QStringLiteral("+2"));
        QVERIFY(copyKept(*second.window));
        QVERIFY(second.window->recovery().ownCopyPath() != fixture.window().recovery().ownCopyPath());
        QCOMPARE(copiesIn(fixture).size(), 2);
        // Gone without a quit, as a crash would take it.
    }
    SecondWindow third(fixture);
    third.prompts.queueAnswer(Prompts::Answer::Yes);
    QVERIFY(third.ready());
    QCOMPARE(third.prompts.count(Kind::Question), 1);
    QCOMPARE(third.window->noteText(), StartUp::startHeader() + QStringLiteral("+2"));
    QCOMPARE(ownCopy(fixture.window())->text, fixture.window().noteText());
}

void RecoveryTest::aDataFolderThatCannotHoldACopyCostsNothingElse()
{
    WindowFixture fixture({.data = DataFolder::Blocked});
    QVERIFY(fixture.ready());
    Form1 &window = fixture.window();
    typeIntoNote(window, QStringLiteral("+4"));
    QTest::qWait(600);
    QCOMPARE(ownCopy(window), std::nullopt);
    QCOMPARE(window.text2()->text(), QStringLiteral("4"));
    QCOMPARE(fixture.prompts.shown().size(), 0);
}

QTEST_MAIN(RecoveryTest)
#include "tst_form1_recovery.moc"
