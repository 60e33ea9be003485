#include "windows/main/parts/main_window_theme.h"

#include "core/theme/theme.h"
#include "ui/theme/theme_menu.h"
#include "windows/main/menus/main_menus.h"
#include "windows/main/parts/main_window_language.h"

#include <QMenu>

namespace tabulo {

MainWindowTheme::MainWindowTheme(QWidget *window, const ProgramContext &context, const MainWindowLanguage &language,
    MainMenus &menus, ThemeTargets targets)
    : m_applier(std::make_unique<ThemeApplier>(targets))
{
    ThemeMenu::Services services;
    services.dataFolder = context.dataFolder();
    services.locale = context.locale;
    services.prompts = context.prompts;
    services.desktop = context.desktop;
    services.window = window;
    services.languageText = [&language](int key) { return language.text(key); };
    m_themes = new ThemeMenu(
        menus.menu(QStringLiteral("ColoriX")), menus.action(QStringLiteral("ThemeChoiseX(0)")), *m_applier, services);
    connect(m_themes, &ThemeMenu::themeApplied, this, &MainWindowTheme::showAppliedTheme);
    menus.onTriggered("CreaTemaX", m_themes, [this] { m_themes->CreaTemaX_Click(); });
    menus.onTriggered("GestisciTemiX", m_themes, [this] { m_themes->GestisciTemiX_Click(); });
}

MainWindowTheme::~MainWindowTheme() = default;

void MainWindowTheme::LoadTheme()
{
    m_themes->LoadTheme();
}

void MainWindowTheme::showAppliedTheme(const Theme &current)
{
    const TotalColours colours = {current.fta.positive.value_or(QString()), current.fta.negative.value_or(QString()),
        current.ftb.positive.value_or(QString()), current.ftb.negative.value_or(QString())};
    emit lookApplied(colours, m_applier->normalTextSize());
}

} // namespace tabulo
