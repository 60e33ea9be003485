#include "windows/main/form1.h"

#include "core/entry/entry_aids.h"
#include "core/language/language_keys.h"
#include "ui/services/prompts.h"
#include "windows/main/note_editor.h"
#include "windows/main/total_box.h"

#include <QAction>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>

namespace tabulo {

// What helps the user type calculation lines: the Enter modes, the sign
// commands, "Separa Stringa", and the feedback on a selection made with the
// mouse (its length and its total).

void Form1::connectEntryAids()
{
    const std::pair<const char *, QChar> modes[]
        = {{"O1", u'+'}, {"O2", u'-'}, {"O3", u'*'}, {"O4", u'/'}, {"O5", QChar()}};
    for (const auto &[name, op] : modes) {
        const QChar mode = op;
        connect(
            action(QString::fromLatin1(name)), &QAction::triggered, this, [this, mode] { O_Click(mode.unicode()); });
    }
    connect(action(QStringLiteral("AggiungiSegnoInizialeX")), &QAction::triggered, this,
        &Form1::AggiungiSegnoInizialeX_Click);
    connect(action(QStringLiteral("RimuoviSegnoInizialeX")), &QAction::triggered, this,
        &Form1::RimuoviSegnoInizialeX_Click);
    connect(action(QStringLiteral("Split_String")), &QAction::triggered, this, &Form1::Split_String_Click);

    for (NoteEditor *editor : {m_text1, m_editor2}) {
        connect(editor, &NoteEditor::mousePressed, this,
            [this, editor](Qt::MouseButton button, const QPoint &at) { editorMousePressed(editor, button, at); });
        connect(editor, &NoteEditor::mouseReleased, this, [this, editor] {
            if (editor != visibleEditor())
                return;
            const qsizetype selected = selectedNoteText().size();
            statusPanel(2)->setText(QStringLiteral("Sel: %1").arg(selected > 2 ? selected : 0));
            if (selected > 2)
                TotaleSelezione();
        });
        connect(editor, &NoteEditor::focusReceived, this, [this, editor] {
            if (editor == m_text1)
                AggiornaMenuInvio();
        });
    }
    // The window sees Enter and Esc before whichever of its controls has the
    // focus.
    for (QWidget *control : std::initializer_list<QWidget *> {m_text1, m_editor2, m_text2, m_text3})
        control->installEventFilter(this);
}

void Form1::O_Click(char16_t mode)
{
    m_enterMode = mode ? QChar(mode) : QChar();
    AggiornaMenuInvio();
}

void Form1::AggiornaMenuInvio()
{
    const std::pair<const char *, char16_t> modes[]
        = {{"O1", u'+'}, {"O2", u'-'}, {"O3", u'*'}, {"O4", u'/'}, {"O5", 0}};
    for (const auto &[name, op] : modes)
        action(QString::fromLatin1(name))->setChecked(m_enterMode.unicode() == op);
}

bool Form1::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Escape) {
            close();
            return true;
        }
        if ((key == Qt::Key_Return || key == Qt::Key_Enter) && handleEnterKey())
            return true;
    }
    return QMainWindow::eventFilter(watched, event);
}

bool Form1::handleEnterKey()
{
    AggiornaMenuInvio();
    if (m_enterMode.isNull())
        return false;
    // With a mode set, Enter always continues the note at its end: a new
    // last line that begins with the operator, the caret after it. These
    // are two changes, the operator and then the line break before it.
    const qsizetype end = m_session.characterCount();
    m_session.replace(end, 0, QString(m_enterMode));
    m_session.replace(end, 0, QStringLiteral("\r\n"));
    NoteEditor *editor = visibleEditor();
    editor->moveCaretToEnd();
    editor->ensureCursorVisible();
    editor->setFocus();
    return true;
}

void Form1::AggiungiSegnoInizialeX_Click()
{
    // Cancelling the question gives no sign, and the lines are still trimmed.
    const auto sign = m_context.prompts->askText(this, languageText(40), languageText(41), QStringLiteral("+"));
    replaceSelection(EntryAids::addLeadingSign(selectedNoteText(), sign.value_or(QString())));
}

void Form1::RimuoviSegnoInizialeX_Click()
{
    replaceSelection(EntryAids::removeLeadingSign(selectedNoteText()));
}

void Form1::Split_String_Click()
{
    const QString selected = selectedNoteText();
    if (selected.isEmpty()) {
        m_context.prompts->showInformation(this, languageText(14));
        return;
    }
    // The selection goes first, then the lines come in where it was, and the
    // caret goes to the end of the note.
    replaceSelection(QString());
    replaceSelection(EntryAids::splitExpression(selected));
    visibleEditor()->moveCaretToEnd();
}

void Form1::editorMousePressed(NoteEditor *editor, Qt::MouseButton button, const QPoint &globalPosition)
{
    if (editor != visibleEditor())
        return;
    if (button == Qt::RightButton && m_editMenu)
        m_editMenu->popup(globalPosition);
    m_session.setTotY(QStringLiteral("0"));
    const qsizetype selected = selectedNoteText().size();
    statusPanel(2)->setText(QStringLiteral("Sel: %1").arg(selected > 2 ? selected : 0));
}

} // namespace tabulo
