#pragma once

// A screen reader's view of a running program: its objects read over the
// desktop's accessibility bus (AT-SPI) with libatspi, the library screen
// readers such as Orca read it with. Nothing here knows the program's
// classes: only what any assistive technology sees.

#include <QList>
#include <QString>
#include <QStringList>

#include <memory>

struct _AtspiAccessible;

namespace tabulo::testing {

class BusObject
{
public:
    BusObject() = default;

    bool isNull() const { return !m_object; }
    QString name() const;
    QString description() const;
    // The bus's role name: "push button", "text", "list", "frame", ...
    QString role() const;
    // On screen (its window shown and the object itself visible).
    bool isShowing() const;
    // Takes input: not greyed out, not in a window a dialog has disabled.
    bool isEnabled() const;
    QList<BusObject> children() const;

    // The first showing object at or below this one with `role` and `name`
    // (any name when `name` is empty); null when there is none.
    BusObject find(const QString &role, const QString &name = {}) const;
    // The same among hidden objects too: the items of menus not open.
    BusObject findMenuItem(const QString &name) const;
    // The object's first action: a menu item's or a button's click.
    bool press() const;
    // Moves a text object's caret, as a screen reader's caret commands do.
    bool setCaretOffset(int offset) const;
    int processId() const;

    // The showing controls at or below this object that a user operates
    // (buttons, fields, lists, menu items, ...) and whose name is empty, as
    // "role (parent's role 'parent's name')"; empty when all have names.
    QString unnamedControls() const;

private:
    friend class AccessibilityBus;
    explicit BusObject(_AtspiAccessible *adopted);
    bool hasState(int state) const;
    BusObject findIn(const QString &role, const QString &name, bool showingOnly) const;
    std::shared_ptr<_AtspiAccessible> m_object;
};

// The connection to the accessibility bus of the session that
// DBUS_SESSION_BUS_ADDRESS names, which must be set before it is made.
class AccessibilityBus
{
public:
    // False, with the reason, when the library cannot reach the bus.
    static bool connect(QString *whyNot);
    static void disconnect();

    // The application of process `pid` once it has joined the bus; null if
    // it has not within `timeoutMs`.
    static BusObject application(qint64 pid, int timeoutMs);

    // Starts recording the description changes the bus announces, as a
    // screen reader hears them: the new description of each source.
    static void listenToDescriptionChanges();
    // What was announced since listening started, oldest first.
    static QStringList heardDescriptions();
};

} // namespace tabulo::testing
