#pragma once

#include "ui/services/program_context.h"

#include <QAction>
#include <QHash>
#include <QString>

class QMainWindow;
class QMenu;

namespace tabulo {

// The main window's menus, built from the menu table (menu_table.h), and
// every item by its object name. The window's parts plug their commands
// into the items by name; the language and theme lists add and remove the
// items they own.
class MainMenus
{
public:
    MainMenus(QMainWindow *window, LayoutVariant variant);

    // An item by its object name; nothing for a name the window lacks (the
    // other variant's item).
    QAction *action(const QString &name) const { return m_actions.value(name); }
    QMenu *menu(const QString &name) const { return m_menus.value(name); }
    QMenu *editMenu() const { return menu(QStringLiteral("Edit_X")); }
    QMenu *trayBar() const { return menu(QStringLiteral("TrayBar")); }

    // Runs `handler` whenever the item named `name` is chosen, for as long
    // as `receiver` lives; an item the window lacks runs nothing.
    template<typename Handler> void onTriggered(const char *name, const QObject *receiver, Handler &&handler) const
    {
        if (QAction *item = action(QString::fromLatin1(name)))
            QObject::connect(item, &QAction::triggered, receiver, std::forward<Handler>(handler));
    }

    // The items of a list that changes while the program runs.
    QAction *addItem(QMenu *menu, const QString &name);
    // Takes the item out of the menus and deletes it; false when there is none.
    bool deleteItem(const QString &name);

private:
    QHash<QString, QAction *> m_actions;
    QHash<QString, QMenu *> m_menus;
};

} // namespace tabulo
