#pragma once

#include "ui/services/desktop.h"

#include <QObject>

class QAction;
class QWidget;

namespace tabulo {

// The main window's two options, "Sempre in Primo Piano" (above all other
// windows) and "Trasparente" (see-through). Each menu item flips its option
// and carries its check mark. Neither is remembered: every start begins
// with both off. Where the window system keeps either to itself (Wayland),
// its item is greyed out and the window is never asked for it.
class WindowOptions : public QObject
{
    Q_OBJECT
public:
    WindowOptions(
        QWidget *window, QAction *sempreInPrimoPianoX, QAction *trasparenteX, WindowSystemAbilities abilities = {});

    void SempreInPrimoPianoX_Click();
    void TrasparenteX_Click();
    bool PrimoPiano() const { return m_primoPiano; }
    bool Trasparente() const { return m_trasparente; }

    // See-through at 200/255 opacity, and back to fully opaque: no colour of
    // the window is ever see-through when the option is off.
    void DarkMeSi();
    void DarkMeNo();
    static constexpr double transparentOpacity = 200 / 255.0;

    // Above all other windows, or back among normal windows, without taking
    // the window off the screen and putting it back.
    static void SetTopmost(QWidget *window, bool topmost);

private:
    void setPrimoPiano(bool on);
    void setTrasparente(bool on);

    QWidget *m_window;
    QAction *m_sempreInPrimoPianoX;
    QAction *m_trasparenteX;
    WindowSystemAbilities m_abilities;
    bool m_primoPiano = false;
    bool m_trasparente = false;
};

} // namespace tabulo
