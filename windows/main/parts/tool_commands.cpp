#include "windows/main/parts/tool_commands.h"

#include "core/language/language_keys.h"
#include "core/session/note_session.h"
#include "ui/edit/edit_commands.h"
#include "ui/export/export_commands.h"
#include "ui/services/desktop.h"
#include "ui/services/prompts.h"
#include "windows/main/controls/note_editor.h"
#include "windows/main/menus/main_menus.h"
#include "windows/main/parts/main_window_language.h"
#include "windows/main/parts/note_view.h"

#include <QDate>
#include <QDir>
#include <QFileInfo>
#include <QTextCursor>

namespace tabulo {

ToolCommands::ToolCommands(QWidget *window, const ProgramContext &context, const NoteSession &session, NoteView &view,
    const MainWindowLanguage &language, MainMenus &menus)
    : m_window(window)
    , m_context(context)
    , m_session(session)
    , m_view(view)
    , m_language(language)
{
    menus.onTriggered("AnnullaX", this, [this] { m_view.AnnullaX_Click(); });
    menus.onTriggered("RipetiX", this, [this] { m_view.RipetiX_Click(); });
    const auto clipboard = [this](ClipboardCommand command) {
        // A toolbar button or a menu may hold the focus: the note is meant.
        QWidget *box = focusedTextBox(m_window);
        runClipboardCommand(box ? box : m_view.visibleEditor(), command);
    };
    menus.onTriggered("TagliaX", this, [clipboard] { clipboard(ClipboardCommand::Cut); });
    menus.onTriggered("CopiaX", this, [clipboard] { clipboard(ClipboardCommand::Copy); });
    menus.onTriggered("IncollaX", this, [clipboard] { clipboard(ClipboardCommand::Paste); });
    menus.onTriggered("SelezionaTuttoX", this, [clipboard] { clipboard(ClipboardCommand::SelectAll); });
    menus.onTriggered("EliminaX", this, [this] { EliminaX_Click(); });
    menus.onTriggered("VaiSuX", this, [this] { moveCaretTo(QTextCursor::Start); });
    menus.onTriggered("VaiGiuX", this, [this] { moveCaretTo(QTextCursor::End); });
    menus.onTriggered("EsportaX", this, [this] { EsportaX_Click(); });
    menus.onTriggered("EsportaHtmlX", this, [this] { EsportaHtmlX_Click(); });
    menus.onTriggered("AiutoX", this, [this] { AiutoX_Click(); });
    menus.onTriggered("InfoX", this, [this] { InfoX_Click(); });
}

void ToolCommands::EliminaX_Click()
{
    if (!m_view.visibleEditor()->textCursor().hasSelection()) {
        if (m_context.prompts)
            m_context.prompts->showInformation(m_window, m_language.text(70));
        return;
    }
    m_view.replaceSelection(QString());
}

void ToolCommands::moveCaretTo(int position)
{
    NoteEditor *editor = m_view.visibleEditor();
    editor->moveCursor(QTextCursor::MoveOperation(position));
    editor->ensureCursorVisible();
}

void ToolCommands::EsportaX_Click()
{
    ExportCommands commands(m_window, m_context, [this](int key) { return m_language.text(key); });
    commands.exportText(m_session.text(), m_session.totX());
}

void ToolCommands::EsportaHtmlX_Click()
{
    ExportCommands commands(m_window, m_context, [this](int key) { return m_language.text(key); });
    commands.exportHtml(m_session.text(), pageStyleOf(*m_view.visibleEditor()));
}

void ToolCommands::AiutoX_Click()
{
    // No Lang.ini means the built-in language.
    const QString name = m_language.languageName();
    const QString language = name.isEmpty() ? QStringLiteral("Italiano") : name;
    const QString page = m_context.dataFile(helpPageName(language));
    if (!m_context.prompts || !m_context.desktop)
        return;
    if (!QFileInfo(page).isFile())
        m_context.prompts->showError(
            m_window, m_language.text(LanguageKeys::noHelpPage).arg(QDir::toNativeSeparators(page)));
    else if (!m_context.desktop->openWithAssociatedProgram(page))
        m_context.prompts->showError(
            m_window, m_language.text(LanguageKeys::cannotShowHelp).arg(QDir::toNativeSeparators(page)));
}

void ToolCommands::InfoX_Click()
{
    if (m_context.prompts)
        m_context.prompts->showInformation(m_window, infoMessage(QDate::currentDate().year()));
}

} // namespace tabulo
