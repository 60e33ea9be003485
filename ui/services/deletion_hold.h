#pragma once

#include <QList>
#include <QObject>
#include <QPointer>

class QWidget;

namespace tabulo {

// Keeps a window, and every window it belongs to, alive while a box runs
// its own event loop on it. The box is the window's child: a window closed
// meanwhile (a button pressed through the accessibility tree, as a screen
// reader does, or any timer) would delete itself, and the box with it,
// under the box's exec(), and the code that opened the box would go on in
// a deleted window. A deletion asked for (deleteLater(), a window that
// deletes itself on close) while a box is up waits until the last box has
// gone, then happens.
class DeletionHold
{
public:
    explicit DeletionHold(QWidget *boxParent);
    ~DeletionHold();
    DeletionHold(const DeletionHold &) = delete;
    DeletionHold &operator=(const DeletionHold &) = delete;

private:
    class Keeper;
    QList<QPointer<Keeper>> m_keepers;
};

} // namespace tabulo
