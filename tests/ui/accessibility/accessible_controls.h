#pragma once

// What a screen reader finds in a window, read through the toolkit's
// accessibility interfaces: the same interfaces the desktop's accessibility
// bridge (AT-SPI) reads from a running program.

#include <QAccessible>
#include <QMetaEnum>
#include <QStringList>
#include <QWidget>

namespace tabulo::testing {

inline QString accessibleText(QObject *control, QAccessible::Text which)
{
    QAccessibleInterface *found = QAccessible::queryAccessibleInterface(control);
    return found ? found->text(which) : QStringLiteral("<no accessible interface>");
}

inline QString accessibleName(QObject *control)
{
    return accessibleText(control, QAccessible::Name);
}

inline QString accessibleDescription(QObject *control)
{
    return accessibleText(control, QAccessible::Description);
}

namespace detail {

// The controls a user operates or reads a value from: a screen reader
// announces each by its name, and one without a name is only "button" or
// "edit". Static texts speak their own text, and scroll bars and panels are
// not stopped at.
inline bool needsAName(QAccessible::Role role)
{
    switch (role) {
    case QAccessible::Button:
    case QAccessible::CheckBox:
    case QAccessible::RadioButton:
    case QAccessible::ComboBox:
    case QAccessible::EditableText:
    case QAccessible::List:
    case QAccessible::Table:
    case QAccessible::Tree:
    case QAccessible::SpinBox:
    case QAccessible::Slider:
    case QAccessible::Dial:
    case QAccessible::ButtonMenu:
    case QAccessible::ButtonDropDown:
    case QAccessible::PageTab:
    case QAccessible::MenuItem:
        return true;
    default:
        return false;
    }
}

inline QString described(QAccessibleInterface *control)
{
    const char *role = QMetaEnum::fromType<QAccessible::Role>().valueToKey(control->role());
    QObject *object = control->object();
    QString name = object ? object->objectName() : QString();
    if (name.isEmpty() && object)
        name = QString::fromLatin1(object->metaObject()->className());
    return QStringLiteral("%1 %2").arg(QString::fromLatin1(role ? role : "?"), name);
}

inline void collectUnnamed(QAccessibleInterface *control, QStringList &unnamed, int depth)
{
    if (!control || depth > 64 || control->state().invisible)
        return;
    if (needsAName(control->role()) && control->text(QAccessible::Name).trimmed().isEmpty())
        unnamed << described(control);
    for (int i = 0; i < control->childCount(); ++i)
        collectUnnamed(control->child(i), unnamed, depth + 1);
}

} // namespace detail

// The visible controls of `window` that a screen reader would reach but
// could not name, as "Role objectName, ..."; empty when every one has a name.
inline QString unnamedControls(QWidget *window)
{
    QStringList unnamed;
    detail::collectUnnamed(QAccessible::queryAccessibleInterface(window), unnamed, 0);
    return unnamed.join(QStringLiteral(", "));
}

} // namespace tabulo::testing
