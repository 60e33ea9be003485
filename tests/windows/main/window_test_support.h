#pragma once

// What the main window's widget tests share: scripted stand-ins for the
// message boxes and the desktop, and a fixture that builds the real Form1
// on a temporary program folder.

#include "ui/services/desktop.h"
#include "ui/services/prompts.h"
#include "windows/main/controls/note_editor.h"
#include "windows/main/controls/running_total_column.h"
#include "windows/main/controls/total_box.h"
#include "windows/main/form1.h"
#include "windows/main/form6.h"
#include "windows/main/menus/main_menus.h"
#include "windows/main/parts/documents.h"
#include "windows/main/parts/entry_aid_commands.h"
#include "windows/main/parts/main_window_language.h"
#include "windows/main/parts/main_window_theme.h"
#include "windows/main/parts/note_view.h"
#include "windows/main/parts/quit_sequence.h"
#include "windows/main/parts/running_total_columns.h"
#include "windows/main/parts/script_commands.h"
#include "windows/main/parts/start_up.h"
#include "windows/main/parts/status_clock.h"
#include "windows/main/parts/tool_windows.h"
#include "windows/main/parts/tray_behaviour.h"
#include "windows/main/parts/window_behaviours.h"
#include "windows/main/parts/window_layout.h"
#include "windows/note_dialogs/form4.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QTemporaryDir>
#include <QTest>
#include <QTextCursor>
#include <QTimer>

#include <deque>
#include <memory>

namespace tabulo::testing {

// The window gets its locale explicitly. The process default is set to one
// whose separators and digits match neither tested locale, so any number
// shown through a stray default QLocale makes a test fail.
inline void useUnrelatedDefaultLocale()
{
    QLocale::setDefault(QLocale(QLocale::Arabic, QLocale::Egypt));
}

inline int twipsToPixels(const QWidget &widget, double twips)
{
    return int(twips * widget.logicalDpiY() / 1440.0 + 0.5);
}

inline QLocale italianLocale()
{
    return QLocale(QLocale::Italian, QLocale::Italy);
}
inline QLocale usLocale()
{
    return QLocale(QLocale::English, QLocale::UnitedStates);
}

// Reports a failure once: after a first failed check QtTest has already
// ended the test function, and a second report would only add noise.
inline void failOnce(const QString &message, const char *file, int line)
{
    if (!QTest::currentTestFailed())
        QTest::qFail(qPrintable(message), file, line);
}

// Answers the program's boxes from a script written by the test. A box the
// script did not foresee fails the test and is answered as if cancelled, so
// no test can ever wait for a click. Every box shown is recorded.
class ScriptedPrompts final : public Prompts
{
public:
    enum class Kind { Question, YesNoQuestion, Information, Warning, Error, TextInput, SavePath, ScriptMessage };
    struct Shown
    {
        Kind kind;
        QString text = {};
    };

    void queueAnswer(Answer answer) { m_script.push_back({Kind::Question, answer}); }
    // The answer to a question that offers Yes and No only.
    void queueYesNo(Answer answer) { m_script.push_back({Kind::YesNoQuestion, answer}); }
    // The button captions the window last gave the boxes.
    ButtonCaptions captions;
    void setButtonCaptions(const ButtonCaptions &given) override { captions = given; }
    // Nothing stands for the dialog being cancelled.
    void queueSavePath(const std::optional<QString> &path) { queueText(Kind::SavePath, path); }
    void queueTextInput(const std::optional<QString> &text) { queueText(Kind::TextInput, text); }

    const QList<Shown> &shown() const { return m_shown; }
    int count(Kind kind) const
    {
        return int(std::count_if(m_shown.begin(), m_shown.end(), [kind](const Shown &s) { return s.kind == kind; }));
    }
    // The errors shown since the last call: a test that leaves an error
    // untaken fails (see WindowFixture's destructor).
    QStringList takeErrors()
    {
        const QStringList errors = m_errors.mid(m_errorsTaken);
        m_errorsTaken = m_errors.size();
        return errors;
    }
    qsizetype untakenErrorCount() const { return m_errors.size() - m_errorsTaken; }
    qsizetype unusedAnswerCount() const { return qsizetype(m_script.size()); }

    Answer askYesNoCancel(QWidget *, const QString &text) override
    {
        m_shown.append({Kind::Question, text});
        return next(Kind::Question, text).answer;
    }
    Answer askYesNo(QWidget *, const QString &text) override
    {
        m_shown.append({Kind::YesNoQuestion, text});
        const Answer answer = next(Kind::YesNoQuestion, text).answer;
        return answer == Answer::Cancel ? Answer::No : answer;
    }
    void showInformation(QWidget *, const QString &text) override { m_shown.append({Kind::Information, text}); }
    void showWarning(QWidget *, const QString &text) override { m_shown.append({Kind::Warning, text}); }
    void showError(QWidget *, const QString &text) override
    {
        m_shown.append({Kind::Error, text});
        m_errors.append(text);
    }
    std::optional<QString> askText(QWidget *, const QString &prompt, const QString &, const QString &) override
    {
        m_shown.append({Kind::TextInput, prompt});
        return next(Kind::TextInput, prompt).enteredText();
    }
    std::optional<QString> askSavePath(QWidget *, const QString &folder) override
    {
        m_shown.append({Kind::SavePath, folder});
        return next(Kind::SavePath, folder).enteredText();
    }
    // A script's MsgBox; answered with the button the test queued (vbOK 1 ... vbNo 7).
    void queueScriptAnswer(int button)
    {
        m_script.push_back({Kind::ScriptMessage, Answer::Cancel, QString::number(button), false});
    }
    int askScriptMessage(QWidget *, const QString &text, const QString &title, int flags) override
    {
        m_shown.append(
            {Kind::ScriptMessage, title + QLatin1Char('|') + text + QLatin1Char('|') + QString::number(flags)});
        return next(Kind::ScriptMessage, text).text.toInt();
    }

private:
    // One scripted reply: the button for a question, the text (or nothing,
    // for Cancel) for an input or a file name.
    struct Scripted
    {
        Kind kind;
        Answer answer = Answer::Cancel;
        QString text = {};
        bool cancelled = true;

        std::optional<QString> enteredText() const { return cancelled ? std::nullopt : std::optional(text); }
    };

    void queueText(Kind kind, const std::optional<QString> &text)
    {
        m_script.push_back({kind, Answer::Cancel, text.value_or(QString()), !text.has_value()});
    }

    Scripted next(Kind kind, const QString &text)
    {
        if (m_script.empty() || m_script.front().kind != kind) {
            failOnce(
                QStringLiteral("The program asked a box the test did not expect: %1").arg(text), __FILE__, __LINE__);
            return {kind};
        }
        Scripted reply = m_script.front();
        m_script.pop_front();
        return reply;
    }

    std::deque<Scripted> m_script;
    QList<Shown> m_shown;
    QStringList m_errors;
    qsizetype m_errorsTaken = 0;
};

// Records what the program asks of the desktop and starts nothing.
class RecordingDesktop final : public Desktop
{
public:
    QStringList requests;
    bool programsStart = true; // false: every program fails to start, as a missing one does

    bool openInTextEditor(const QString &path) override { return record(QStringLiteral("editor ") + path); }
    bool openFolder(const QString &path) override { return record(QStringLiteral("folder ") + path); }
    bool openWithAssociatedProgram(const QString &path) override { return record(QStringLiteral("open ") + path); }
    bool startProgram(const QString &program, const QStringList &arguments) override
    {
        return record(QStringLiteral("start ") + program + QLatin1Char(' ') + arguments.join(QLatin1Char(' ')))
            && programsStart;
    }
    // Whether the desktop offers a tray; unset asks the real desktop, which
    // has none on the offscreen platform.
    std::optional<bool> systemTray;
    bool hasSystemTray() override { return systemTray ? *systemTray : Desktop::hasSystemTray(); }
    // What the window system allows; unset asks the real one.
    std::optional<WindowSystemAbilities> abilities;
    WindowSystemAbilities windowSystem() override { return abilities ? *abilities : Desktop::windowSystem(); }

private:
    bool record(const QString &request)
    {
        requests << request;
        return true;
    }
};

// How the program folder's Data folder looks when the window starts.
enum class DataFolder {
    Present,
    Missing,
    // A plain file stands where the folder should be: nothing can be written
    // into it, whoever runs the test (root ignores a read-only mode).
    Blocked,
};

// The Data folder files of an English interface whose language file gives
// `texts` ("English_53=Find:\r\n..."); none, and so the built-in texts, for
// no texts.
inline QList<std::pair<QString, QByteArray>> englishTexts(const QByteArray &texts)
{
    if (texts.isEmpty())
        return {};
    return {{QStringLiteral("Lang.ini"), "English\r\n"}, {QStringLiteral("Language.ini"), texts}};
}

struct WindowSetup
{
    LayoutVariant variant = LayoutVariant::TotalsAtBottom;
    QLocale locale = italianLocale();
    QStringList arguments = {};
    DataFolder data = DataFolder::Present;
    // Set: the program writes its files below this folder (the test's own
    // temporary folder) instead of the program folder, as an installed copy does.
    bool separateWritableFolder = false;
    // Files written into the Data folder before the window is built.
    QList<std::pair<QString, QByteArray>> dataFiles = {};
    // What the desktop says its window system allows; unset, the real one.
    std::optional<WindowSystemAbilities> windowSystem = {};
    // The toolkit's own texts follow the language through this; none leaves
    // them in the toolkit's English.
    ToolkitTranslations *toolkitTranslations = nullptr;
};

// A real Form1 on a temporary program folder, shown offscreen, with the
// scripted services. ready() waits until the start-up timers have run.
class WindowFixture
{
public:
    explicit WindowFixture(WindowSetup setup = {})
        : m_setup(std::move(setup))
    {
        const QString data = m_folder.filePath(QStringLiteral("Data"));
        if (m_setup.data == DataFolder::Present)
            QDir().mkpath(data);
        else if (m_setup.data == DataFolder::Blocked)
            writeFile(data, "not a folder");
        for (const auto &[name, bytes] : std::as_const(m_setup.dataFiles)) {
            const QString path = m_folder.filePath(QStringLiteral("Data/") + name);
            QDir().mkpath(QFileInfo(path).path()); // "Theme/Scuro.ini" and the like
            writeFile(path, bytes);
        }

        ProgramContext context;
        context.programFolder = m_folder.path();
        if (m_setup.separateWritableFolder) {
            context.writableFolder = m_writable.path();
            QDir().mkpath(m_writable.filePath(QStringLiteral("Data")));
        }
        context.variant = m_setup.variant;
        context.arguments = m_setup.arguments;
        context.locale = m_setup.locale;
        context.prompts = &prompts;
        context.desktop = &desktop;
        context.toolkitTranslations = m_setup.toolkitTranslations;
        desktop.abilities = m_setup.windowSystem;
        m_window = std::make_unique<Form1>(context);
        m_window->show();
    }

    ~WindowFixture()
    {
        if (prompts.untakenErrorCount() > 0)
            failOnce(QStringLiteral("An error box the test did not check: %1").arg(prompts.takeErrors().constLast()),
                __FILE__, __LINE__);
        if (prompts.unusedAnswerCount() > 0)
            failOnce(QStringLiteral("%1 scripted answer(s) never asked for").arg(prompts.unusedAnswerCount()), __FILE__,
                __LINE__);
        m_window.reset();
        // A quit calls QCoreApplication::exit() with no event loop running;
        // that leaves a flag which would make every later event loop return
        // at once. Running the application loop briefly clears it.
        QTimer::singleShot(0, qApp, [] { QCoreApplication::exit(0); });
        QCoreApplication::exec();
    }

    // True once the window is up and both start-up timers (Start, then the
    // history reset) have fired.
    // `patience` is how long each step may take: a window manager on a busy
    // machine can take seconds to map and activate a window.
    bool ready(int patience = 5000)
    {
        if (!QTest::qWaitForWindowExposed(m_window.get(), patience))
            return false;
        m_window->activateWindow();
        if (!QTest::qWaitForWindowActive(m_window.get(), patience))
            return false;
        return QTest::qWaitFor(
            [this] { return !m_window->startUp().isStarting() && !m_window->noteView().historyResetPending(); }, 5000);
    }

    Form1 &window() { return *m_window; }
    QString programFolder() const { return m_folder.path(); }
    QString writableFolder() const { return m_writable.path(); }
    QString dataFile(const QString &name) const { return m_folder.filePath(QStringLiteral("Data/") + name); }
    QString filePath(const QString &name) const { return m_folder.filePath(name); }
    bool dataFileExists(const QString &name) const { return QFile::exists(dataFile(name)); }
    QByteArray readDataFile(const QString &name) const { return readFile(dataFile(name)); }

    static QByteArray readFile(const QString &path)
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    static bool writeFile(const QString &path, const QByteArray &bytes)
    {
        QFile file(path);
        return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size();
    }

    // Waits for the window's history reset, which a load or a save starts.
    bool waitForReset()
    {
        return QTest::qWaitFor([this] { return !m_window->noteView().historyResetPending(); }, 5000);
    }

    // The folder the note dialogs open in, as a user's last folder.
    bool rememberFolder(const QString &folder)
    {
        return writeFile(dataFile(QStringLiteral("Dir.ini")), (folder + QStringLiteral("\r\n")).toUtf8());
    }
    // The save dialog the window has open, once it is there.
    Form4 *saveDialog()
    {
        Form4 *dialog = nullptr;
        (void)QTest::qWaitFor([&] { return (dialog = m_window->findChild<Form4 *>()) != nullptr; }, 5000);
        return dialog;
    }
    // Answers the open save dialog: saves under `name` in the folder it shows,
    // or closes it unsaved when there is no name.
    bool answerSaveDialog(const std::optional<QString> &name)
    {
        Form4 *dialog = saveDialog();
        if (!dialog)
            return false;
        if (name) {
            dialog->Text1->setText(*name);
            dialog->Command1_Click();
        } else {
            dialog->close();
        }
        return true;
    }

    // The quit sequence ends by closing the window for good; a close that
    // only opens the quit dialog leaves it on screen.
    bool hasQuit() const { return !m_window->isVisible(); }

    ScriptedPrompts prompts;
    RecordingDesktop desktop;

private:
    WindowSetup m_setup;
    QTemporaryDir m_folder;
    QTemporaryDir m_writable;
    std::unique_ptr<Form1> m_window;
};

// Types into the visible editor; "\n" presses Return.
inline void typeIntoNote(Form1 &window, const QString &text)
{
    NoteEditor *editor = window.visibleEditor();
    const QStringList lines = text.split(QLatin1Char('\n'));
    for (qsizetype i = 0; i < lines.size(); ++i) {
        if (i > 0)
            QTest::keyClick(editor, Qt::Key_Return);
        if (!lines[i].isEmpty())
            QTest::keyClicks(editor, lines[i]);
    }
}

// Selects an editor's text from `from` to `to`, in the editor's positions;
// the caret ends at `to`.
inline void select(QPlainTextEdit *editor, int from, int to)
{
    QTextCursor cursor(editor->document());
    cursor.setPosition(from);
    cursor.setPosition(to, QTextCursor::KeepAnchor);
    editor->setTextCursor(cursor);
}

inline QColor textColour(const TotalBox *box)
{
    return box->palette().color(QPalette::Text);
}

// Colour numbers as theme files write them, red in the low byte.
inline const QColor positiveGreen = QColor(0, 255, 0); // 65280
inline const QColor negativeRed = QColor(255, 0, 0); // 255

} // namespace tabulo::testing
