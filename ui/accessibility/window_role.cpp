#include "ui/accessibility/window_role.h"

#include <QAccessibleWidget>
#include <QWidget>

namespace tabulo {

namespace {

constexpr char windowProperty[] = "tabulo_presentedAsWindow";

// The toolkit asks the factories for each class of an object, most derived
// first, until one answers: widgets without the mark get the toolkit's own.
QAccessibleInterface *windowInterface(const QString &, QObject *object)
{
    auto *widget = qobject_cast<QWidget *>(object);
    if (widget && widget->isWindow() && widget->property(windowProperty).toBool())
        return new QAccessibleWidget(widget, QAccessible::Window);
    return nullptr;
}

} // namespace

void presentAsWindow(QWidget *window)
{
    static const bool installed = [] {
        QAccessible::installFactory(windowInterface);
        return true;
    }();
    (void)installed;
    window->setProperty(windowProperty, true);
}

} // namespace tabulo
