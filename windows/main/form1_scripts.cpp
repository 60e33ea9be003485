#include "windows/main/form1.h"

#include "core/files/companion_script.h"
#include "ui/services/prompts.h"
#include "windows/main/note_editor.h"
#include "windows/main/window_options.h"
#include "windows/script_editor/form8.h"

#include <QAction>
#include <QLineEdit>

namespace tabulo {

// A note's companion script lies beside the note's file: both script
// commands first make sure there is one.

void Form1::connectScriptCommands()
{
    connect(action(QStringLiteral("InserisciScriptX")), &QAction::triggered, this, &Form1::InserisciScriptX_Click);
}

std::optional<QString> Form1::scriptPathForCommand()
{
    if (!m_session.hasFile()) {
        m_context.prompts->showWarning(this, languageText(91));
        return std::nullopt;
    }
    // A note whose name has no ".txt" form has no script: its own path must
    // never be read, overwritten or deleted as one.
    const QString scriptPath = companionScriptPath(m_session.caption());
    if (scriptPath.isEmpty()) {
        m_context.prompts->showWarning(this, languageText(92));
        return std::nullopt;
    }
    return scriptPath;
}

void Form1::InserisciScriptX_Click()
{
    const std::optional<QString> scriptPath = scriptPathForCommand();
    if (!scriptPath)
        return;
    // An open editor keeps its script and its unsaved text: it is only
    // brought forward.
    if (!m_form8) {
        Form8::Host host;
        host.prompts = m_context.prompts;
        host.languageText = [this](int key) { return languageText(key); };
        m_form8 = Form8::open(std::move(host), *scriptPath, this);
        if (!m_form8)
            return;
        // A closed editor is gone at once, even before it is deleted: the
        // next opening loads the script afresh.
        connect(m_form8, &Form8::closed, this, [this] { m_form8 = nullptr; });
        m_form8->placeOver(this);
    }
    // Beside a main window kept on top, the editor keeps on top as well, or
    // it would open hidden behind it.
    WindowOptions::SetTopmost(m_form8, windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    if (m_form8->isMinimized())
        m_form8->showNormal();
    else
        m_form8->show();
    m_form8->raise();
    m_form8->activateWindow();
    m_form8->copyLookFrom(m_text1);
    m_form8->MSG1->setText(languageText(93));
}

} // namespace tabulo
