#pragma once

#include "core/language/language_texts.h"
#include "ui/services/program_context.h"

#include <QObject>

class QActionGroup;
class QLabel;
class QWidget;

namespace tabulo {

class MainMenus;
class NoteSession;

// The interface language of the main window: the texts of every window,
// the "Lingua" menu that lists the languages of the Data folder, switching
// to one of them, and opening the language texts file for editing.
class MainWindowLanguage : public QObject
{
    Q_OBJECT
public:
    MainWindowLanguage(QWidget *window, const ProgramContext &context, NoteSession &session, MainMenus &menus,
        QLabel *statusWordPanel);

    // The text of any key of any window, messages included, in the current
    // language: the language file's text, else the built-in one.
    QString text(int key) const;
    // The current language's name as Lang.ini gave it; the help page and the
    // windows that open later use it.
    QString languageName() const { return m_texts.languageName(); }

    // Reads the current language, rebuilds the "Lingua" menu and puts every
    // text of the main window in place.
    void applyLanguage();
    void LanguageChoiseX_Click(int index);
    void GestisciLinguaX_Click();

private:
    void applyLanguageNamed(const QString &name);
    void rebuildLanguageMenu();

    QWidget *m_window;
    const ProgramContext &m_context;
    NoteSession &m_session;
    MainMenus &m_menus;
    QLabel *m_statusWordPanel;
    LanguageTexts m_texts;
    // The texts of the windows that open later, read again whenever the
    // language file changes.
    mutable LanguageTexts m_otherWindowsTexts;
    QActionGroup *m_choices;
};

} // namespace tabulo
