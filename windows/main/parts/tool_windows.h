#pragma once

#include "ui/services/program_context.h"

#include <QObject>
#include <QPointer>

class QWidget;

namespace tabulo {

class Form7;
class MainMenus;
class NoteSession;
class NoteView;

// The windows that work beside the note: find and replace, and the
// calculator. Both change the note through the same road as typing, so
// what they write is recorded, evaluated and undone like any other change.
class ToolWindows : public QObject
{
    Q_OBJECT
public:
    ToolWindows(QWidget *window, const ProgramContext &context, NoteSession &session, NoteView &view, MainMenus &menus);

    // Opens the find and replace window, or brings it forward with the
    // current selection as its search text.
    void TrovaSostituisciX_Click();
    // The calculator beside the note: opened (or brought forward) and closed.
    void CalcolatriceX_Click();
    void closeCalculator();
    Form7 *calculator() const; // nothing while it is closed

private:
    QWidget *m_window;
    const ProgramContext &m_context;
    NoteSession &m_session;
    NoteView &m_view;
    MainMenus &m_menus;
    QPointer<Form7> m_form7;
};

} // namespace tabulo
