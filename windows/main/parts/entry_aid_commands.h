#pragma once

#include "ui/services/program_context.h"

#include <QList>
#include <QObject>

class QLabel;
class QPoint;
class QWidget;

namespace tabulo {

class MainMenus;
class MainWindowLanguage;
class NoteEditor;
class NoteSession;
class NoteView;

// What helps the user type calculation lines: the Enter modes (an operator
// that begins each new line), the sign commands, "Separa Stringa", and the
// feedback on a selection made with the mouse (its length and its total).
// It also sees Enter and Esc before whichever control of the window has the
// focus: Esc closes the window, through the quit dialog.
class EntryAidCommands : public QObject
{
    Q_OBJECT
public:
    // `keyControls` are the controls whose Enter and Esc it sees first.
    EntryAidCommands(QWidget *window, const ProgramContext &context, NoteSession &session, NoteView &view,
        const MainWindowLanguage &language, MainMenus &menus, QLabel *selectionPanel,
        const QList<QWidget *> &keyControls);

    void O_Click(char16_t mode); // the operator, or 0 for none
    void AggiornaMenuInvio();
    void AggiungiSegnoInizialeX_Click();
    void RimuoviSegnoInizialeX_Click();
    void Split_String_Click();
    // The Enter mode: "+", "-", "*", "/", or nothing (`Option5`).
    QChar enterMode() const { return m_enterMode; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    bool handleEnterKey();
    void editorMousePressed(NoteEditor *editor, Qt::MouseButton button, const QPoint &globalPosition);
    qsizetype showSelectionLength(); // the selection's length

    QWidget *m_window;
    const ProgramContext &m_context;
    NoteSession &m_session;
    NoteView &m_view;
    const MainWindowLanguage &m_language;
    MainMenus &m_menus;
    QLabel *m_selectionPanel; // `sbStatusBar(2)`
    QChar m_enterMode; // null: `Option5`, no operator
};

} // namespace tabulo
