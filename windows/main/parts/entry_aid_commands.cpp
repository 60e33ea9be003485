#include "windows/main/parts/entry_aid_commands.h"

#include "core/entry/entry_aids.h"
#include "core/session/note_session.h"
#include "ui/services/prompts.h"
#include "windows/main/controls/note_editor.h"
#include "windows/main/menus/main_menus.h"
#include "windows/main/parts/main_window_language.h"
#include "windows/main/parts/note_view.h"

#include <QKeyEvent>
#include <QLabel>
#include <QMenu>

namespace tabulo {

namespace {

// The Enter modes' items and the operator each puts at the start of a line.
constexpr std::pair<const char *, char16_t> enterModes[]
    = {{"O1", u'+'}, {"O2", u'-'}, {"O3", u'*'}, {"O4", u'/'}, {"O5", 0}};

} // namespace

EntryAidCommands::EntryAidCommands(QWidget *window, const ProgramContext &context, NoteSession &session, NoteView &view,
    const MainWindowLanguage &language, MainMenus &menus, QLabel *selectionPanel, const QList<QWidget *> &keyControls)
    : m_window(window)
    , m_context(context)
    , m_session(session)
    , m_view(view)
    , m_language(language)
    , m_menus(menus)
    , m_selectionPanel(selectionPanel)
{
    for (const auto &[name, op] : enterModes) {
        const char16_t mode = op;
        menus.onTriggered(name, this, [this, mode] { O_Click(mode); });
    }
    menus.onTriggered("AggiungiSegnoInizialeX", this, [this] { AggiungiSegnoInizialeX_Click(); });
    menus.onTriggered("RimuoviSegnoInizialeX", this, [this] { RimuoviSegnoInizialeX_Click(); });
    menus.onTriggered("Split_String", this, [this] { Split_String_Click(); });

    for (NoteEditor *editor : view.editors()) {
        connect(editor, &NoteEditor::mousePressed, this,
            [this, editor](Qt::MouseButton button, const QPoint &at) { editorMousePressed(editor, button, at); });
        connect(editor, &NoteEditor::mouseReleased, this, [this, editor] {
            if (editor != m_view.visibleEditor())
                return;
            if (showSelectionLength() > 2)
                m_view.TotaleSelezione();
        });
        connect(editor, &NoteEditor::focusReceived, this, [this, editor] {
            if (editor == m_view.text1())
                AggiornaMenuInvio();
        });
    }
    for (QWidget *control : keyControls)
        control->installEventFilter(this);
}

void EntryAidCommands::O_Click(char16_t mode)
{
    m_enterMode = mode ? QChar(mode) : QChar();
    AggiornaMenuInvio();
}

void EntryAidCommands::AggiornaMenuInvio()
{
    for (const auto &[name, op] : enterModes)
        m_menus.action(QString::fromLatin1(name))->setChecked(m_enterMode.unicode() == op);
}

bool EntryAidCommands::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Escape) {
            m_window->close();
            return true;
        }
        if ((key == Qt::Key_Return || key == Qt::Key_Enter) && handleEnterKey())
            return true;
    }
    return QObject::eventFilter(watched, event);
}

bool EntryAidCommands::handleEnterKey()
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
    NoteEditor *editor = m_view.visibleEditor();
    editor->moveCaretToEnd();
    editor->ensureCursorVisible();
    editor->setFocus();
    return true;
}

void EntryAidCommands::AggiungiSegnoInizialeX_Click()
{
    const auto sign
        = m_context.prompts->askText(m_window, m_language.text(40), m_language.text(41), QStringLiteral("+"));
    // Cancel leaves the note exactly as it was; an empty sign still trims.
    if (!sign)
        return;
    m_view.replaceSelection(EntryAids::addLeadingSign(m_view.selectedNoteText(), *sign));
}

void EntryAidCommands::RimuoviSegnoInizialeX_Click()
{
    m_view.replaceSelection(EntryAids::removeLeadingSign(m_view.selectedNoteText()));
}

void EntryAidCommands::Split_String_Click()
{
    const QString selected = m_view.selectedNoteText();
    if (selected.isEmpty()) {
        m_context.prompts->showInformation(m_window, m_language.text(14));
        return;
    }
    // The selection goes first, then the lines come in where it was, and the
    // caret goes to the end of the note.
    m_view.replaceSelection(QString());
    m_view.replaceSelection(EntryAids::splitExpression(selected));
    m_view.visibleEditor()->moveCaretToEnd();
}

void EntryAidCommands::editorMousePressed(NoteEditor *editor, Qt::MouseButton button, const QPoint &globalPosition)
{
    if (editor != m_view.visibleEditor())
        return;
    if (button == Qt::RightButton)
        m_menus.editMenu()->popup(globalPosition);
    m_session.setTotY(QStringLiteral("0"));
    showSelectionLength();
}

qsizetype EntryAidCommands::showSelectionLength()
{
    // A selection of two characters or fewer holds no line worth a total.
    const qsizetype selected = m_view.selectedNoteText().size();
    m_selectionPanel->setText(QStringLiteral("Sel: %1").arg(selected > 2 ? selected : 0));
    return selected;
}

} // namespace tabulo
