#pragma once

#include "ui/services/program_context.h"
#include "ui/theme/theme_applier.h"
#include "windows/main/parts/total_colours.h"

#include <QObject>

#include <memory>

class QWidget;

namespace tabulo {

class MainMenus;
class MainWindowLanguage;
class ThemeMenu;
struct Theme;

// The main window's theme: the "Colori" menu with its themes, `LoadTheme`
// at start-up, and the look a theme gives the window's controls. What the
// other parts take from a theme (the totals' colours by sign, the normal
// text size) goes out with lookApplied().
class MainWindowTheme : public QObject
{
    Q_OBJECT
public:
    MainWindowTheme(QWidget *window, const ProgramContext &context, const MainWindowLanguage &language,
        MainMenus &menus, ThemeTargets targets);
    ~MainWindowTheme() override;

    void LoadTheme();
    ThemeMenu *themes() const { return m_themes; }

signals:
    void lookApplied(const tabulo::TotalColours &colours, qreal normalTextSize);

private:
    void showAppliedTheme(const Theme &current);

    std::unique_ptr<ThemeApplier> m_applier;
    ThemeMenu *m_themes; // owned by its menu
};

} // namespace tabulo
