#include "windows/main/parts/tool_windows.h"

#include "windows/calculator/form7.h"
#include "windows/find/form5.h"
#include "windows/main/controls/note_editor.h"
#include "windows/main/menus/main_menus.h"
#include "windows/main/parts/note_view.h"

#include <QMenu>

namespace tabulo {

ToolWindows::ToolWindows(
    QWidget *window, const ProgramContext &context, NoteSession &session, NoteView &view, MainMenus &menus)
    : m_window(window)
    , m_context(context)
    , m_session(session)
    , m_view(view)
    , m_menus(menus)
{
    menus.onTriggered("TrovaSostituisciX", this, [this] { TrovaSostituisciX_Click(); });
    menus.onTriggered("CalcolatriceX", this, [this] { CalcolatriceX_Click(); });
    // Opening the "File", "Menu" or "?" menu closes the calculator, which
    // saves its history (the "Menu" menu is also the editors' pop-up).
    for (const char *name : {"FileX", "Edit_X", "InX"}) {
        if (QMenu *menu = menus.menu(QString::fromLatin1(name)))
            connect(menu, &QMenu::aboutToShow, this, &ToolWindows::closeCalculator);
    }
}

void ToolWindows::TrovaSostituisciX_Click()
{
    // One find window at a time.
    Form5 *window = m_window->findChild<Form5 *>(QString(), Qt::FindDirectChildrenOnly);
    if (!window) {
        Form5::Host host;
        host.session = &m_session;
        host.visibleEditor = [this]() -> QPlainTextEdit * { return m_view.wholeVisibleEditor(); };
        host.prompts = m_context.prompts;
        host.dataFolder = m_context.dataFolder();
        window = new Form5(std::move(host), m_window);
    }
    window->showOver(m_window);
}

void ToolWindows::CalcolatriceX_Click()
{
    if (!m_form7) {
        Form7::Host host;
        host.prompts = m_context.prompts;
        host.dataFolder = m_context.dataFolder();
        host.locale = m_context.locale;
        host.editorFont = m_view.text1()->font();
        host.insertIntoNote = [this](const QString &result) { m_view.replaceSelection(result); };
        m_form7 = new Form7(std::move(host), m_window);
    }
    m_form7->show();
    // The calculator's caption is its menu item's, as the language gives it
    // now: an open calculator follows a change of language too.
    QString caption = m_menus.action(QStringLiteral("CalcolatriceX"))->text();
    caption.remove(QLatin1Char('&'));
    m_form7->setWindowTitle(QStringLiteral("Tabulo - ") + caption);
    m_form7->raise();
    m_form7->activateWindow();
}

Form7 *ToolWindows::calculator() const
{
    return m_form7;
}

void ToolWindows::closeCalculator()
{
    if (m_form7)
        m_form7->close();
    m_form7 = nullptr; // deleted later; a new opening builds it afresh
}

} // namespace tabulo
