#include "windows/main/menus/main_menus.h"

#include "windows/main/menus/menu_table.h"

#include <QActionGroup>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>

namespace tabulo {

MainMenus::MainMenus(QMainWindow *window, LayoutVariant variant)
{
    QMenuBar *bar = window->menuBar();
    QHash<QMenu *, QActionGroup *> choiceGroups;
    for (const MenuEntry &entry : mainMenuTable()) {
        if (!entry.isIn(variant))
            continue;
        QMenu *parent = entry.parent ? menu(QString::fromLatin1(entry.parent)) : nullptr;
        const QString name = entry.name ? QString::fromLatin1(entry.name) : QString();
        const QString caption = builtInCaption(entry);
        switch (entry.kind) {
        case MenuEntry::Kind::Menu: {
            QMenu *added = parent ? parent->addMenu(caption) : bar->addMenu(caption);
            added->setObjectName(name);
            m_menus.insert(name, added);
            continue;
        }
        case MenuEntry::Kind::Popup: {
            auto *popup = new QMenu(caption, window);
            popup->setObjectName(name);
            m_menus.insert(name, popup);
            continue;
        }
        case MenuEntry::Kind::Separator:
            parent->addSeparator();
            continue;
        case MenuEntry::Kind::BarCommand: {
            QAction *item = bar->addAction(caption);
            item->setObjectName(name);
            m_actions.insert(name, item);
            continue;
        }
        case MenuEntry::Kind::Command:
        case MenuEntry::Kind::Toggle:
        case MenuEntry::Kind::Choice:
            break;
        }

        QAction *item = parent->addAction(caption);
        item->setObjectName(name);
        if (entry.shortcut.key() != Qt::Key_unknown) {
            item->setShortcut(QKeySequence(entry.shortcut));
            // The editors must not take the menu's keys (Ctrl+Z is the note's
            // Undo, not the widget's).
            item->setShortcutContext(Qt::WindowShortcut);
        }
        if (entry.kind != MenuEntry::Kind::Command) {
            item->setCheckable(true);
            item->setChecked(entry.checked);
        }
        if (entry.kind == MenuEntry::Kind::Choice) {
            QActionGroup *&group = choiceGroups[parent];
            if (!group)
                group = new QActionGroup(parent);
            group->addAction(item);
        }
        m_actions.insert(name, item);
    }
}

QAction *MainMenus::addItem(QMenu *menu, const QString &name)
{
    QAction *item = menu->addAction(QString());
    item->setObjectName(name);
    m_actions.insert(name, item);
    return item;
}

bool MainMenus::deleteItem(const QString &name)
{
    QAction *item = m_actions.take(name);
    delete item;
    return item != nullptr;
}

} // namespace tabulo
