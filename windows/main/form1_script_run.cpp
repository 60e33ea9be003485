#include "windows/main/form1.h"

#include "core/files/companion_script.h"
#include "core/files/text_file.h"
#include "script/run/run_file.h"
#include "ui/services/prompts.h"
#include "windows/main/note_editor.h"
#include "windows/script_editor/form8.h"
#include "windows/script_output/form3.h"

#include <QAction>
#include <QFileInfo>
#include <QPointer>

namespace tabulo {

// "Esegui Tabulo Script...": the note's companion script, as saved on disk,
// runs in the output window against the note.

void Form1::connectScriptRun()
{
    connect(action(QStringLiteral("EseguiScriptX")), &QAction::triggered, this, &Form1::EseguiScriptX_Click);
}

Form3 *Form1::scriptOutput() const
{
    // A window that has closed may wait for the event loop to be deleted; it
    // is no longer the run's.
    for (Form3 *output : findChildren<Form3 *>(QString(), Qt::FindDirectChildrenOnly))
        if (output->isVisible())
            return output;
    return nullptr;
}

void Form1::EseguiScriptX_Click()
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
        m_context.prompts->showWarning(this, languageText(92));
        return;
    }
    // The output window reads the run file; if the Data folder refuses it,
    // the window runs the script it is handed instead.
    writeFileAtomically(runFilePath(m_context.dataFolder()), runFileContents(script.text));

    Form3::Host host;
    host.session = &m_session;
    host.mainWindow = this;
    host.visibleEditor = [this]() -> QPlainTextEdit * { return visibleEditor(); };
    host.context = &m_context;
    host.languageText = [this](int key) { return languageText(key); };
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

} // namespace tabulo
