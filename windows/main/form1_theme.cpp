#include "windows/main/form1.h"

#include "ui/theme/theme_applier.h"
#include "ui/theme/theme_menu.h"
#include "windows/main/note_editor.h"
#include "windows/main/total_box.h"

#include <QAction>
#include <QMenu>

namespace tabulo {

void Form1::buildThemes()
{
    ThemeTargets targets;
    targets.window = m_surface;
    targets.text1 = m_text1;
    targets.editor2 = m_editor2;
    targets.text2 = m_text2;
    targets.text3 = m_text3;
    targets.picture1 = m_picture1;
    targets.picture2 = m_picture2;
    m_themeApplier = std::make_unique<ThemeApplier>(targets);

    ThemeMenu::Services services;
    services.dataFolder = m_context.dataFolder();
    services.locale = m_context.locale;
    services.prompts = m_context.prompts;
    services.desktop = m_context.desktop;
    services.window = this;
    services.languageText = [this](int key) { return languageText(key); };
    auto *colours = findChild<QMenu *>(QStringLiteral("ColoriX"));
    m_themes = new ThemeMenu(colours, action(QStringLiteral("ThemeChoiseX(0)")), *m_themeApplier, services);
    connect(m_themes, &ThemeMenu::themeApplied, this, &Form1::showAppliedTheme);
    connect(action(QStringLiteral("CreaTemaX")), &QAction::triggered, m_themes, &ThemeMenu::CreaTemaX_Click);
    connect(action(QStringLiteral("GestisciTemiX")), &QAction::triggered, m_themes, &ThemeMenu::GestisciTemiX_Click);
}

void Form1::LoadTheme()
{
    m_themes->LoadTheme();
}

void Form1::showAppliedTheme(const Theme &current)
{
    themeColours = {current.fta.positive.value_or(QString()), current.fta.negative.value_or(QString()),
        current.ftb.positive.value_or(QString()), current.ftb.negative.value_or(QString())};
    normalTextSize = m_themeApplier->normalTextSize();
    // The totals on show take the new colours now, not at their next change.
    colourTotal(m_text2, themeColours.fta_posi, themeColours.fta_nega);
    colourTotal(m_text3, themeColours.ftb_posi, themeColours.ftb_nega);
    colourRunningTotalColumns();
}

} // namespace tabulo
