#include "windows/main/parts/window_behaviours.h"

#include "core/language/language_keys.h"
#include "core/settings/program_folders.h"
#include "ui/services/desktop.h"
#include "ui/services/prompts.h"
#include "windows/main/menus/main_menus.h"
#include "windows/main/parts/main_window_language.h"
#include "windows/main/parts/new_instance.h"
#include "windows/main/parts/tray_behaviour.h"
#include "windows/main/parts/window_options.h"

#include <QDir>
#include <QWidget>

namespace tabulo {

WindowBehaviours::WindowBehaviours(QWidget *window, const ProgramContext &context, const MainWindowLanguage &language,
    MainMenus &menus, std::function<void()> focusVisibleEditor)
    : m_window(window)
    , m_context(context)
    , m_language(language)
    , m_tray(new TrayBehaviour(window, menus.trayBar(), menus.action(QStringLiteral("Mostra")), context.desktop,
          std::move(focusVisibleEditor)))
    , m_options(new WindowOptions(
          window, menus.action(QStringLiteral("SempreInPrimoPianoX")), menus.action(QStringLiteral("TrasparenteX"))))
{
    menus.onTriggered("NuovaIstanzaX", this,
        [this] { NuovaIstanzaX_Click(m_context, m_window, [this](int key) { return m_language.text(key); }); });
    menus.onTriggered("TotaleInAltoX", this, [this] { TotaleInAltoX_Click(); });
    menus.onTriggered("TotaleInBassoX", this, [this] { TotaleInBassoX_Click(); });
}

void WindowBehaviours::TotaleInAltoX_Click()
{
    switchToVariant(QStringLiteral("Tabulo_Top"));
}

void WindowBehaviours::TotaleInBassoX_Click()
{
    switchToVariant(QStringLiteral("Tabulo_Bt"));
}

void WindowBehaviours::switchToVariant(const QString &programName)
{
    // The other variant starts with a note of its own. The user may then
    // quit this window (its quit writes the launcher's start file naming this
    // variant, so the last to quit wins) or keep both. The switch itself
    // writes nothing.
    const QString program = programPath(m_context.programFolder, programName);
    if (!m_context.desktop || !m_context.desktop->startProgram(program, {})) {
        // Closing now would leave the user one step from quitting with no
        // Tabulo at all on screen.
        m_context.prompts->showError(m_window,
            m_language.text(LanguageKeys::variantNotStarted).arg(programName, QDir::toNativeSeparators(program)));
        return;
    }
    m_window->close();
}

} // namespace tabulo
