#include "ui/services/deletion_hold.h"

#include <QEvent>
#include <QWidget>

namespace tabulo {

// One per window that has boxes up: counts them and holds back the
// window's deferred deletion while there are any.
class DeletionHold::Keeper : public QObject
{
public:
    static Keeper *of(QWidget *window)
    {
        // Found by its name: without a meta-object of its own, a search by
        // type would take any child for it.
        if (QObject *existing = window->findChild<QObject *>(name(), Qt::FindDirectChildrenOnly))
            return static_cast<Keeper *>(existing);
        return new Keeper(window);
    }

    void take() { ++m_boxes; }
    void release()
    {
        if (--m_boxes > 0 || !m_deletionWanted)
            return;
        m_deletionWanted = false;
        m_window->deleteLater();
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (watched == m_window && event->type() == QEvent::DeferredDelete && m_boxes > 0) {
            m_deletionWanted = true;
            return true;
        }
        return false;
    }

private:
    explicit Keeper(QWidget *window)
        : QObject(window)
        , m_window(window)
    {
        setObjectName(name());
        window->installEventFilter(this);
    }
    static QString name() { return QStringLiteral("tabulo-deletion-hold"); }

    QWidget *m_window;
    int m_boxes = 0;
    bool m_deletionWanted = false;
};

DeletionHold::DeletionHold(QWidget *boxParent)
{
    for (QWidget *window = boxParent; window; window = window->parentWidget()) {
        Keeper *keeper = Keeper::of(window);
        keeper->take();
        m_keepers.append(keeper);
    }
}

DeletionHold::~DeletionHold()
{
    // The innermost first, so a window deleted now is never an owner of
    // one still held.
    for (const QPointer<Keeper> &keeper : std::as_const(m_keepers)) {
        if (keeper)
            keeper->release();
    }
}

} // namespace tabulo
