#include "windows/main/form1.h"

#include "core/settings/program_folders.h"
#include "ui/services/desktop.h"
#include "ui/services/prompts.h"

namespace tabulo {

void Form1::TotaleInAltoX_Click()
{
    switchToVariant(QStringLiteral("Tabulo_Top"));
}

void Form1::TotaleInBassoX_Click()
{
    switchToVariant(QStringLiteral("Tabulo_Bt"));
}

void Form1::switchToVariant(const QString &programName)
{
    // The other variant starts beside this one with a note of its own. This
    // window then closes as any window does, through the quit dialog: the
    // user may quit it (its quit writes the launcher's start file naming this
    // variant, so the last to quit wins) or keep both. The switch itself
    // writes nothing.
    const QString program = programPath(m_context.programFolder, programName);
    if (!m_context.desktop || !m_context.desktop->startProgram(program, {})) {
        // Closing now would leave the user one step from quitting with no
        // Tabulo at all on screen.
        m_context.prompts->showError(this,
            QStringLiteral("%1 could not be started:\n%2\n\n"
                           "This window stays open as it is.")
                .arg(programName, program));
        return;
    }
    close();
}

} // namespace tabulo
