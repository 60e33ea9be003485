#include "tests/app/desktop/accessibility_bus.h"

#include <atspi/atspi.h>

#include <QElapsedTimer>
#include <QTest>

namespace tabulo::testing {

namespace {

// Takes a string the library allocated.
QString adopt(gchar *text)
{
    const QString copy = QString::fromUtf8(text ? text : "");
    g_free(text);
    return copy;
}

// A failed call (the program gone, a time-out) reads as nothing.
void forget(GError *error)
{
    if (error)
        g_error_free(error);
}

// The roles of what a user operates or reads a value from, by the bus's
// names; static texts speak their own text and panels are not stopped at.
bool needsAName(AtspiRole role)
{
    switch (role) {
    case ATSPI_ROLE_PUSH_BUTTON:
    case ATSPI_ROLE_TOGGLE_BUTTON:
    case ATSPI_ROLE_CHECK_BOX:
    case ATSPI_ROLE_RADIO_BUTTON:
    case ATSPI_ROLE_COMBO_BOX:
    case ATSPI_ROLE_TEXT:
    case ATSPI_ROLE_ENTRY:
    case ATSPI_ROLE_PASSWORD_TEXT:
    case ATSPI_ROLE_LIST:
    case ATSPI_ROLE_LIST_BOX:
    case ATSPI_ROLE_TABLE:
    case ATSPI_ROLE_TREE:
    case ATSPI_ROLE_TREE_TABLE:
    case ATSPI_ROLE_SPIN_BUTTON:
    case ATSPI_ROLE_SLIDER:
    case ATSPI_ROLE_PAGE_TAB:
    case ATSPI_ROLE_MENU_ITEM:
    case ATSPI_ROLE_CHECK_MENU_ITEM:
    case ATSPI_ROLE_RADIO_MENU_ITEM:
        return true;
    default:
        return false;
    }
}

QStringList heard;
AtspiEventListener *descriptionListener = nullptr;

void descriptionChanged(AtspiEvent *event, void *)
{
    // Newer bridges send the new text with the event; others only the
    // object, whose description is then read as a screen reader would.
    if (G_VALUE_HOLDS_STRING(&event->any_data)) {
        heard << QString::fromUtf8(g_value_get_string(&event->any_data));
    } else if (event->source) {
        GError *error = nullptr;
        heard << adopt(atspi_accessible_get_description(event->source, &error));
        forget(error);
    }
    g_boxed_free(ATSPI_TYPE_EVENT, event);
}

} // namespace

BusObject::BusObject(_AtspiAccessible *adopted)
    : m_object(adopted, [](_AtspiAccessible *object) {
        if (object)
            g_object_unref(object);
    })
{
}

namespace {

// One of the library's string getters, with a null object and a failed
// call both reading as nothing.
QString readText(AtspiAccessible *object, gchar *(*get)(AtspiAccessible *, GError **))
{
    if (!object)
        return {};
    GError *error = nullptr;
    const QString text = adopt(get(object, &error));
    forget(error);
    return text;
}

} // namespace

QString BusObject::name() const
{
    return readText(m_object.get(), atspi_accessible_get_name);
}

QString BusObject::description() const
{
    return readText(m_object.get(), atspi_accessible_get_description);
}

QString BusObject::role() const
{
    return readText(m_object.get(), atspi_accessible_get_role_name);
}

bool BusObject::hasState(int state) const
{
    if (!m_object)
        return false;
    AtspiStateSet *states = atspi_accessible_get_state_set(m_object.get());
    const bool has = states && atspi_state_set_contains(states, AtspiStateType(state));
    if (states)
        g_object_unref(states);
    return has;
}

bool BusObject::isShowing() const
{
    return hasState(ATSPI_STATE_SHOWING);
}

bool BusObject::isEnabled() const
{
    return hasState(ATSPI_STATE_ENABLED) && hasState(ATSPI_STATE_SENSITIVE);
}

QList<BusObject> BusObject::children() const
{
    QList<BusObject> found;
    if (!m_object)
        return found;
    GError *error = nullptr;
    const int count = atspi_accessible_get_child_count(m_object.get(), &error);
    forget(error);
    for (int i = 0; i < count; ++i) {
        error = nullptr;
        AtspiAccessible *child = atspi_accessible_get_child_at_index(m_object.get(), i, &error);
        forget(error);
        if (child)
            found << BusObject(child);
    }
    return found;
}

BusObject BusObject::find(const QString &wantedRole, const QString &wantedName) const
{
    return findIn(wantedRole, wantedName, true);
}

BusObject BusObject::findMenuItem(const QString &wantedName) const
{
    return findIn(QStringLiteral("menu item"), wantedName, false);
}

BusObject BusObject::findIn(const QString &wantedRole, const QString &wantedName, bool showingOnly) const
{
    if (showingOnly && !isShowing() && role() != QLatin1String("application"))
        return {};
    if (role() == wantedRole && (wantedName.isEmpty() || name() == wantedName))
        return *this;
    const QList<BusObject> below = children();
    for (const BusObject &child : below) {
        if (BusObject match = child.findIn(wantedRole, wantedName, showingOnly); !match.isNull())
            return match;
    }
    return {};
}

bool BusObject::press() const
{
    if (!m_object)
        return false;
    AtspiAction *action = atspi_accessible_get_action_iface(m_object.get());
    if (!action)
        return false;
    GError *error = nullptr;
    const bool done = atspi_action_do_action(action, 0, &error);
    forget(error);
    g_object_unref(action);
    return done;
}

bool BusObject::setCaretOffset(int offset) const
{
    if (!m_object)
        return false;
    AtspiText *text = atspi_accessible_get_text_iface(m_object.get());
    if (!text)
        return false;
    GError *error = nullptr;
    const bool done = atspi_text_set_caret_offset(text, offset, &error);
    forget(error);
    g_object_unref(text);
    return done;
}

int BusObject::processId() const
{
    if (!m_object)
        return 0;
    GError *error = nullptr;
    const int pid = int(atspi_accessible_get_process_id(m_object.get(), &error));
    forget(error);
    return pid;
}

QString BusObject::unnamedControls() const
{
    QStringList unnamed;
    const std::function<void(const BusObject &, const BusObject &)> visit
        = [&](const BusObject &object, const BusObject &parent) {
              if (!object.isShowing())
                  return;
              GError *error = nullptr;
              const AtspiRole role = atspi_accessible_get_role(object.m_object.get(), &error);
              forget(error);
              if (needsAName(role) && object.name().trimmed().isEmpty())
                  unnamed << QStringLiteral("%1 (in %2 '%3')").arg(object.role(), parent.role(), parent.name());
              const QList<BusObject> below = object.children();
              for (const BusObject &child : below)
                  visit(child, object);
          };
    visit(*this, {});
    return unnamed.join(QStringLiteral(", "));
}

bool AccessibilityBus::connect(QString *whyNot)
{
    if (qEnvironmentVariableIsEmpty("DBUS_SESSION_BUS_ADDRESS")) {
        *whyNot = QStringLiteral("there is no D-Bus session");
        return false;
    }
    // 0 is success, 1 already connected; anything else failed.
    if (atspi_init() > 1) {
        *whyNot = QStringLiteral("the accessibility bus cannot be reached");
        return false;
    }
    return true;
}

void AccessibilityBus::disconnect()
{
    if (descriptionListener) {
        atspi_event_listener_deregister(descriptionListener, "object:property-change:accessible-description", nullptr);
        g_object_unref(descriptionListener);
        descriptionListener = nullptr;
    }
    atspi_exit();
}

BusObject AccessibilityBus::application(qint64 pid, int timeoutMs)
{
    QElapsedTimer waited;
    waited.start();
    do {
        AtspiAccessible *desktop = atspi_get_desktop(0);
        if (!desktop)
            return {};
        const BusObject root(desktop);
        const QList<BusObject> applications = root.children();
        for (const BusObject &application : applications) {
            if (application.processId() == pid) {
                // The program's tree changes as windows open: read it afresh
                // every time rather than from the library's cache.
                atspi_accessible_set_cache_mask(application.m_object.get(), ATSPI_CACHE_NONE);
                return application;
            }
        }
        QTest::qWait(100);
    } while (waited.elapsed() < timeoutMs);
    return {};
}

void AccessibilityBus::listenToDescriptionChanges()
{
    heard.clear();
    if (descriptionListener)
        return;
    descriptionListener = atspi_event_listener_new(descriptionChanged, nullptr, nullptr);
    atspi_event_listener_register(descriptionListener, "object:property-change:accessible-description", nullptr);
}

QStringList AccessibilityBus::heardDescriptions()
{
    return heard;
}

} // namespace tabulo::testing
