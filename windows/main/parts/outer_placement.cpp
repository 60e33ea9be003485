#include "windows/main/parts/outer_placement.h"

#include <QEvent>
#include <QPointer>
#include <QWidget>
#include <QWindow>

namespace tabulo {

namespace {

void applyNow(QWidget *window, const QRect &outer)
{
    const QMargins frame = window->windowHandle() ? window->windowHandle()->frameMargins() : QMargins();
    window->resize(outer.size().shrunkBy(frame).expandedTo(QSize(1, 1)));
    // A top-level window's position is that of its frame.
    window->move(outer.topLeft());
}

// Waits on the window's native surface for its first exposure, places the
// window then, and goes away.
class PendingPlacement final : public QObject
{
public:
    PendingPlacement(QWidget *window, QRect outer, std::function<void()> placed)
        : QObject(window)
        , m_window(window)
        , m_outer(outer)
        , m_placed(std::move(placed))
    {
        setObjectName(QStringLiteral("PendingOuterPlacement"));
        window->windowHandle()->installEventFilter(this);
    }

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Expose && m_window && m_window->windowHandle() == watched
            && m_window->windowHandle()->isExposed()) {
            watched->removeEventFilter(this);
            applyNow(m_window, m_outer);
            if (m_placed)
                m_placed();
            deleteLater();
        }
        return false;
    }

private:
    QPointer<QWidget> m_window;
    QRect m_outer;
    std::function<void()> m_placed;
};

} // namespace

QRect currentOuterGeometry(const QWidget *window)
{
    const QWindow *surface = window->windowHandle();
    return surface ? surface->frameGeometry() : window->frameGeometry();
}

void placeOuterGeometry(QWidget *window, const QRect &outer, std::function<void()> placed)
{
    for (QObject *waiting :
        window->findChildren<QObject *>(QStringLiteral("PendingOuterPlacement"), Qt::FindDirectChildrenOnly)) {
        if (window->windowHandle())
            window->windowHandle()->removeEventFilter(waiting);
        delete waiting;
    }
    const QWindow *surface = window->windowHandle();
    if (!surface || surface->isExposed() || !window->isVisible()) {
        applyNow(window, outer);
        if (placed)
            placed();
        return;
    }
    new PendingPlacement(window, outer, std::move(placed));
}

} // namespace tabulo
