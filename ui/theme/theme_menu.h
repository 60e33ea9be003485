#pragma once

#include "core/theme/theme_folder.h"
#include "ui/theme/colour_picker.h"

#include <QList>
#include <QLocale>
#include <QObject>
#include <QPointer>

#include <functional>

class QAction;
class QActionGroup;
class QMenu;
class QWidget;

namespace tabulo {

class Desktop;
class Prompts;
class ThemeApplier;

// The "Colori" menu (`ColoriX`) and the theme it puts on the window: one
// item per theme file (`ThemeChoiseX(i)`), the current one checked;
// choosing one applies it at once and remembers it in "Theme.ini".
// "Crea Tema..." makes a new theme from the template and "Gestisci Temi..."
// opens the theme folder.
class ThemeMenu : public QObject
{
    Q_OBJECT
public:
    struct Services
    {
        QString dataFolder;
        QLocale locale;
        Prompts *prompts = nullptr;
        Desktop *desktop = nullptr;
        QWidget *window = nullptr; // parent of the boxes and of the colour picker
        std::function<QString(int key)> languageText;
    };

    // `firstItem` is `ThemeChoiseX(0)`, the item the menu is built with.
    ThemeMenu(QMenu *coloriX, QAction *firstItem, ThemeApplier &applier, Services services);
    ~ThemeMenu() override;

    // Lists the theme files as menu items and applies the theme named in
    // "Theme.ini". Nothing is reported: without a folder or a file the
    // window keeps its look.
    void LoadTheme();
    void ThemeChoiseX_Click(int index);
    void CreaTemaX_Click();
    void GestisciTemiX_Click();

    // `ThemeChoiseX(0)`, (1), ... as they stand in the menu.
    QList<QAction *> items() const { return m_items; }
    ThemeFolder folder() const { return ThemeFolder(m_services.dataFolder); }
    // The colour picker "Crea Tema..." opened, while it is open.
    ColourPicker *colourPicker() const { return m_picker; }

signals:
    // A theme was applied; `current` is the whole look now shown.
    void themeApplied(const tabulo::Theme &current);

private:
    void listThemes(const QStringList &names);
    void applyNamed(const QString &name);
    void openColourPicker();
    QString languageText(int key) const;

    QMenu *m_menu;
    ThemeApplier &m_applier;
    Services m_services;
    QActionGroup *m_group;
    QList<QAction *> m_items;
    QPointer<ColourPicker> m_picker;
};

} // namespace tabulo
