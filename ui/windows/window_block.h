#pragma once

#include <QObject>
#include <QPointer>

class QWidget;

namespace tabulo {

// Keeps a window (the main window) disabled while a dialog of its stands
// on screen, and never longer. However the dialog goes away (closed,
// hidden, destroyed, or minimised by the window manager in spite of its
// flags) the window is enabled again; a dialog minimised that way is
// brought back at once, and the window disabled again with it. A dialog
// that disables the main window must never leave it out of reach: disabled
// behind a dialog nobody can find, with grey menus and dead keys.
class WindowBlock : public QObject
{
    Q_OBJECT
public:
    // Watches `dialog` for as long as it lives (a child of it). A dialog
    // that is itself a child of `blocked` stays enabled while `blocked` is not.
    static void whileShown(QWidget *dialog, QWidget *blocked);
    ~WindowBlock() override;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    WindowBlock(QWidget *dialog, QWidget *blocked);
    void block(bool blocked);
    void bringBack();

    QWidget *m_dialog;
    QPointer<QWidget> m_blocked;
};

} // namespace tabulo
