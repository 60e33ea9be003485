#include "windows/main/form1.h"

#include "core/language/language_keys.h"
#include "ui/edit/edit_commands.h"
#include "ui/export/export_commands.h"
#include "ui/services/desktop.h"
#include "ui/services/prompts.h"
#include "windows/main/note_editor.h"
#include "windows/main/total_box.h"

#include <QAction>
#include <QDate>
#include <QDir>
#include <QFileInfo>
#include <QTextCursor>

namespace tabulo {

// The commands of the "Menu" and "?" menus that act on the note or show
// files: clipboard and selection, the caret jumps, the exports, help and
// information. The toolbar's buttons trigger the same items.
void Form1::connectToolCommands()
{
    const auto onItem = [this](const char *name, auto handler) {
        if (QAction *item = action(QString::fromLatin1(name)))
            connect(item, &QAction::triggered, this, handler);
    };
    const auto clipboard = [this](ClipboardCommand command) {
        // A toolbar button or a menu may hold the focus: the note is meant.
        QWidget *box = focusedTextBox(this);
        runClipboardCommand(box ? box : visibleEditor(), command);
    };
    onItem("TagliaX", [clipboard] { clipboard(ClipboardCommand::Cut); });
    onItem("CopiaX", [clipboard] { clipboard(ClipboardCommand::Copy); });
    onItem("IncollaX", [clipboard] { clipboard(ClipboardCommand::Paste); });
    onItem("SelezionaTuttoX", [clipboard] { clipboard(ClipboardCommand::SelectAll); });
    onItem("EliminaX", [this] { EliminaX_Click(); });
    onItem("VaiSuX", [this] { moveCaretTo(QTextCursor::Start); });
    onItem("VaiGiuX", [this] { moveCaretTo(QTextCursor::End); });
    onItem("EsportaX", [this] { EsportaX_Click(); });
    onItem("EsportaHtmlX", [this] { EsportaHtmlX_Click(); });
    onItem("AiutoX", [this] { AiutoX_Click(); });
    onItem("InfoX", [this] {
        if (m_context.prompts)
            m_context.prompts->showInformation(this, infoMessage(QDate::currentDate().year()));
    });
}

void Form1::EliminaX_Click()
{
    if (!visibleEditor()->textCursor().hasSelection()) {
        if (m_context.prompts)
            m_context.prompts->showInformation(this, languageText(70));
        return;
    }
    replaceSelection(QString());
}

void Form1::moveCaretTo(int position)
{
    NoteEditor *editor = visibleEditor();
    editor->moveCursor(QTextCursor::MoveOperation(position));
    editor->ensureCursorVisible();
}

void Form1::EsportaX_Click()
{
    ExportCommands commands(this, m_context, [this](int key) { return languageText(key); });
    commands.exportText(m_session.text(), m_text2->text());
}

void Form1::EsportaHtmlX_Click()
{
    ExportCommands commands(this, m_context, [this](int key) { return languageText(key); });
    commands.exportHtml(m_session.text(), pageStyleOf(*visibleEditor()));
}

void Form1::AiutoX_Click()
{
    // No Lang.ini means the built-in language.
    const QString language = languageName().isEmpty() ? QStringLiteral("Italiano") : languageName();
    const QString page = m_context.dataFile(helpPageName(language));
    if (!m_context.prompts || !m_context.desktop)
        return;
    if (!QFileInfo(page).isFile())
        m_context.prompts->showError(this, languageText(LanguageKeys::noHelpPage).arg(QDir::toNativeSeparators(page)));
    else if (!m_context.desktop->openWithAssociatedProgram(page))
        m_context.prompts->showError(
            this, languageText(LanguageKeys::cannotShowHelp).arg(QDir::toNativeSeparators(page)));
}

} // namespace tabulo
