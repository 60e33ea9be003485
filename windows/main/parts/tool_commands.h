#pragma once

#include "ui/services/program_context.h"

#include <QObject>

class QWidget;

namespace tabulo {

class MainMenus;
class MainWindowLanguage;
class NoteSession;
class NoteView;

// The commands of the "Menu" and "?" menus that act on the note or show
// files: Undo and Redo, clipboard and selection, deleting, the caret jumps,
// the exports, help and information. The toolbar's buttons trigger the same
// items.
class ToolCommands : public QObject
{
    Q_OBJECT
public:
    ToolCommands(QWidget *window, const ProgramContext &context, const NoteSession &session, NoteView &view,
        const MainWindowLanguage &language, MainMenus &menus);

    void EliminaX_Click();
    void EsportaX_Click();
    void EsportaHtmlX_Click();
    void AiutoX_Click();
    void InfoX_Click();

private:
    void moveCaretTo(int position); // a QTextCursor::MoveOperation

    QWidget *m_window;
    const ProgramContext &m_context;
    const NoteSession &m_session;
    NoteView &m_view;
    const MainWindowLanguage &m_language;
};

} // namespace tabulo
