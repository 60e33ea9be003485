#include "windows/main/parts/start_up.h"

#include "core/session/note_session.h"
#include "windows/main/controls/note_editor.h"
#include "windows/main/parts/documents.h"
#include "windows/main/parts/main_window_language.h"
#include "windows/main/parts/main_window_theme.h"
#include "windows/main/parts/note_recovery.h"
#include "windows/main/parts/note_view.h"

#include <QDate>
#include <QFileInfo>
#include <QLabel>

namespace tabulo {

namespace {

// The note named on the command line: the arguments as one text with every
// double quote removed, so a path with blanks arrives whole even unquoted.
// A relative path is taken from the folder the program started in and made
// absolute at once: the caption, LastFile.ini and every later save must
// name the same file from wherever they are read, and a relative path such
// as "Tabulo/Db/Budget.txt" would even pass for an untitled caption.
QString commandLinePath(const QStringList &arguments)
{
    const QString path = arguments.join(QLatin1Char(' ')).remove(QLatin1Char('"')).trimmed();
    return path.isEmpty() ? path : QFileInfo(path).absoluteFilePath();
}

} // namespace

StartUp::StartUp(const ProgramContext &context, NoteSession &session, Parts parts, QLabel *selectionPanel,
    std::function<void(const MainWindowSettings &)> applySettings)
    : m_context(context)
    , m_session(session)
    , m_parts(parts)
    , m_selectionPanel(selectionPanel)
    , m_applySettings(std::move(applySettings))
{
    Start.setObjectName(QStringLiteral("Start"));
    Start.setSingleShot(true);
    Start.setInterval(1);
    connect(&Start, &QTimer::timeout, this, &StartUp::Start_Timer);
}

QString StartUp::startHeader()
{
    return QStringLiteral("\r\n# Tabulo - notes that add up, by the Tabulo developers\r\n"
                          "# Ver. 5.00 - \u00A9 %1 the Tabulo developers, all rights reserved\r\n\r\n")
        .arg(QDate::currentDate().year());
}

void StartUp::Form_Load()
{
    m_selectionPanel->setText(QStringLiteral("Sel: 0"));
    const bool noteNamed = !commandLinePath(m_context.arguments).isEmpty();
    if (noteNamed) {
        // A note that cannot be opened is reported in the user's language.
        m_parts.language->applyLanguage();
        loadCommandLineNote();
    }
    NoteView &view = *m_parts.view;
    view.scheduleHistoryReset();
    view.visibleEditor()->moveCaretToEnd();
    view.focusEditor();
    if (!noteNamed)
        m_session.setCaption(NoteSession::untitledCaption());
    Start.start();
}

void StartUp::loadCommandLineNote()
{
    const QString path = commandLinePath(m_context.arguments);
    if (!QFileInfo::exists(path)) {
        // A note that does not exist yet: the first Save creates it.
        m_session.setCaption(path);
        return;
    }
    // A file that exists but cannot be read must never be overwritten by a
    // Save of the empty note, so the note then stays untitled.
    if (!m_parts.documents->openNoteFile(path))
        m_session.setCaption(NoteSession::untitledCaption());
}

void StartUp::Start_Timer()
{
    Start.stop();
    m_parts.theme->LoadTheme();
    m_parts.language->applyLanguage();
    m_applySettings(MainWindowSettings::read(m_context.dataFolder()));
    if (commandLinePath(m_context.arguments).isEmpty()) {
        m_session.setText(m_session.text() + startHeader());
        // The start-up's reset, still to come, stands for the note with its header.
        m_parts.view->moveHistoryResetToNow();
        m_parts.view->visibleEditor()->moveCaretToEnd();
        m_parts.view->focusEditor();
    }
    // Asked once the window stands as the user left it.
    m_parts.recovery->offerLeftCopies();
}

} // namespace tabulo
