#pragma once

#include "ui/services/program_context.h"

#include <QKeyCombination>
#include <QString>

#include <span>

namespace tabulo {

// One entry of the main window's menus. Its caption is not written here: an
// entry with a language key takes the built-in text of the key whose caption
// target names it (core/language/language_keys.cpp), so the key, the control
// and the Italian caption stand together in one place, and the toolbar's
// tool tips come from the same keys. Only entries no language file names
// (the placeholders of the theme and language lists, the "?" menu, the text
// size buttons) carry a caption of their own.
struct MenuEntry
{
    enum class Kind {
        Menu, // a menu in the menu bar or in the menu `parent`
        Popup, // a menu of its own, outside the menu bar (the tray's)
        Command, // a menu item
        Toggle, // a menu item with a check mark
        Choice, // a checked item of an exclusive group: one per menu
        Separator,
        BarCommand, // a command standing in the menu bar itself
    };
    // Entries that only one layout variant has.
    enum class Only { BothVariants, WithTotalsAtBottom, WithTotalAtTop };

    Kind kind = Kind::Command;
    const char *name = nullptr; // the object name; nullptr for a separator
    const char *parent = nullptr; // the menu it stands in; nullptr for the menu bar
    QKeyCombination shortcut = {}; // Qt::Key_unknown: none
    bool checked = false; // a Toggle or Choice checked before any setting is read
    const char *ownCaption = nullptr; // UTF-8, only for an entry without a language key
    Only only = Only::BothVariants;

    bool isIn(LayoutVariant variant) const;
};

// The main window's menus in the order they are built: the menu bar from
// left to right, each menu from top to bottom.
std::span<const MenuEntry> mainMenuTable();

// The built-in caption of an entry: its own, or its language key's.
QString builtInCaption(const MenuEntry &entry);

// The command a toolbar button runs: the menu item whose language key also
// gives the button its tool tip. Empty for a button no key names.
QString toolbarCommand(int tool);

} // namespace tabulo
