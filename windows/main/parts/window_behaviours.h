#pragma once

#include "ui/services/program_context.h"

#include <QObject>

#include <functional>

class QWidget;

namespace tabulo {

class MainMenus;
class MainWindowLanguage;
class TrayBehaviour;
class WindowOptions;

// How the main window behaves among the desktop's other windows: its place
// in the tray, kept on top or see-through, a further copy of the program
// ("Nuova Istanza..."), and switching to the other layout variant.
class WindowBehaviours : public QObject
{
    Q_OBJECT
public:
    // `focusVisibleEditor` gives the focus to whichever editor is shown.
    WindowBehaviours(QWidget *window, const ProgramContext &context, const MainWindowLanguage &language,
        MainMenus &menus, std::function<void()> focusVisibleEditor);

    TrayBehaviour *tray() const { return m_tray; }
    WindowOptions *options() const { return m_options; }

    // The other variant starts beside this one, which then closes as any
    // window does, through the quit dialog.
    void TotaleInAltoX_Click();
    void TotaleInBassoX_Click();

private:
    void switchToVariant(const QString &programName);

    QWidget *m_window;
    const ProgramContext &m_context;
    const MainWindowLanguage &m_language;
    TrayBehaviour *m_tray; // the window's child
    WindowOptions *m_options; // the window's child
};

} // namespace tabulo
