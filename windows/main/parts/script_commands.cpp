#include "windows/main/parts/script_commands.h"

#include "core/files/companion_script.h"
#include "core/files/text_file.h"
#include "core/session/note_session.h"
#include "script/run/run_file.h"
#include "ui/services/prompts.h"
#include "windows/main/controls/note_editor.h"
#include "windows/main/menus/main_menus.h"
#include "windows/main/parts/main_window_language.h"
#include "windows/main/parts/note_view.h"
#include "windows/main/parts/window_options.h"
#include "windows/script_editor/form8.h"
#include "windows/script_output/form3.h"

#include <QFileInfo>

namespace tabulo {

ScriptCommands::ScriptCommands(QWidget *window, const ProgramContext &context, NoteSession &session, NoteView &view,
    const MainWindowLanguage &language, MainMenus &menus, std::function<QLabel *(int)> statusPanel)
    : m_window(window)
    , m_context(context)
    , m_session(session)
    , m_view(view)
    , m_language(language)
    , m_statusPanel(std::move(statusPanel))
{
    menus.onTriggered("EseguiScriptX", this, [this] { EseguiScriptX_Click(); });
    menus.onTriggered("InserisciScriptX", this, [this] { InserisciScriptX_Click(); });
}

ScriptCommands::~ScriptCommands()
{
    delete m_form8;
}

std::optional<QString> ScriptCommands::scriptPathForCommand()
{
    if (!m_session.hasFile()) {
        m_context.prompts->showWarning(m_window, m_language.text(91));
        return std::nullopt;
    }
    // A note whose name has no ".txt" form has no script: its own path must
    // never be read, overwritten or deleted as one.
    const QString scriptPath = companionScriptPath(m_session.caption());
    if (scriptPath.isEmpty()) {
        m_context.prompts->showWarning(m_window, m_language.text(92));
        return std::nullopt;
    }
    return scriptPath;
}

Form8 *ScriptCommands::scriptEditor() const
{
    return m_form8;
}

Form3 *ScriptCommands::scriptOutput() const
{
    // A window that has closed may wait for the event loop to be deleted; it
    // is no longer the run's.
    for (Form3 *output : m_window->findChildren<Form3 *>(QString(), Qt::FindDirectChildrenOnly))
        if (output->isVisible())
            return output;
    return nullptr;
}

bool ScriptCommands::waitsForScriptOutput()
{
    Form3 *output = scriptOutput();
    if (!output)
        return false;
    output->raise();
    output->activateWindow();
    return true;
}

bool ScriptCommands::closeScriptEditor()
{
    return !m_form8 || m_form8->close();
}

void ScriptCommands::EseguiScriptX_Click()
{
    if (scriptOutput())
        return; // one run at a time; the main window is disabled meanwhile anyway
    const std::optional<QString> scriptPath = scriptPathForCommand();
    if (!scriptPath)
        return;
    // Missing, empty, 32768 bytes or longer, binary or unreadable: the same
    // message, and nothing runs.
    const ScriptFileText script = readScriptForRun(*scriptPath);
    if (!script.ok()) {
        m_context.prompts->showWarning(m_window, m_language.text(92));
        return;
    }
    // The output window reads the run file; if the Data folder refuses it,
    // the window runs the script it is handed instead.
    writeFileAtomically(runFilePath(m_context.dataFolder()), runFileContents(script.text));

    Form3::Host host;
    host.session = &m_session;
    host.mainWindow = m_window;
    host.visibleEditor = [this]() -> QPlainTextEdit * { return m_view.wholeVisibleEditor(); };
    host.statusPanel = m_statusPanel;
    host.context = &m_context;
    host.languageText = [this](int key) { return m_language.text(key); };
    host.scriptBuffer = script.text;
    host.startFolder = QFileInfo(*scriptPath).absolutePath();
    auto *output = new Form3(std::move(host));

    // A note that had nothing unsaved and that the script left alone is
    // unmodified again once the run is over. A note the script changed keeps
    // the change recorded and marked unsaved, so Undo takes it back and
    // quitting asks to save it.
    const bool unchangedBefore = !m_session.modi();
    const QString textBefore = m_session.text();
    connect(output, &Form3::runFinished, this,
        [this, unchangedBefore, textBefore, path = *scriptPath, shown = QPointer<Form3>(output)](
            const std::optional<vbs::ScriptError> &error) {
            if (unchangedBefore && m_session.text() == textBefore)
                m_session.resetModi();
            // The script editor open on this script shows where it failed,
            // behind the output that says why.
            if (error && error->line > 0 && m_form8 && m_form8->scriptPath() == path) {
                m_form8->showErrorAt(error->line, error->column);
                if (shown && shown->isVisible()) {
                    shown->raise();
                    shown->activateWindow();
                }
            }
        });
    output->show();
}

void ScriptCommands::InserisciScriptX_Click()
{
    const std::optional<QString> scriptPath = scriptPathForCommand();
    if (!scriptPath)
        return;
    // An editor open on another note's script (a note loaded since) is
    // closed first, asking about its unsaved text; kept open, it is the one
    // brought forward, its caption naming its script. An editor open on this
    // note's script keeps its unsaved text: it is only brought forward.
    if (m_form8 && m_form8->scriptPath() != *scriptPath && m_form8->close())
        m_form8 = nullptr;
    if (!m_form8) {
        Form8::Host host;
        host.prompts = m_context.prompts;
        host.languageText = [this](int key) { return m_language.text(key); };
        m_form8 = Form8::open(std::move(host), *scriptPath, m_window);
        if (!m_form8)
            return;
        // A closed editor is gone at once, even before it is deleted: the
        // next opening loads the script afresh.
        connect(m_form8, &Form8::closed, this, [this] { m_form8 = nullptr; });
        m_form8->placeOver(m_window);
    }
    // Beside a main window kept on top, the editor keeps on top as well, or
    // it would open hidden behind it.
    WindowOptions::SetTopmost(m_form8, m_window->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    if (m_form8->isMinimized())
        m_form8->showNormal();
    else
        m_form8->show();
    m_form8->raise();
    m_form8->activateWindow();
    m_form8->copyLookFrom(m_view.text1());
    // The question before a changed script is closed follows the language.
    m_form8->refreshTexts();
}

} // namespace tabulo
