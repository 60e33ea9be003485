#include "windows/main/parts/quit_sequence.h"

#include "core/language/language_keys.h"
#include "core/language/problem_texts.h"
#include "core/session/note_session.h"
#include "ui/services/prompts.h"
#include "ui/windows/window_block.h"
#include "windows/main/form6.h"
#include "windows/main/menus/main_menus.h"
#include "windows/main/parts/documents.h"
#include "windows/main/parts/main_window_language.h"
#include "windows/main/parts/note_recovery.h"
#include "windows/main/parts/note_view.h"
#include "windows/main/parts/script_commands.h"
#include "windows/main/parts/tool_windows.h"
#include "windows/main/parts/tray_behaviour.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QMainWindow>

namespace tabulo {

QuitSequence::QuitSequence(QMainWindow *window, const ProgramContext &context, NoteSession &session, Parts parts,
    MainMenus &menus, std::function<MainWindowSettings()> settingsNow)
    : m_window(window)
    , m_context(context)
    , m_session(session)
    , m_parts(parts)
    , m_settingsNow(std::move(settingsNow))
{
    for (QTimer *oneShot : {&onQuit, &OnTrayBar}) {
        oneShot->setSingleShot(true);
        oneShot->setInterval(100);
    }
    onQuit.setObjectName(QStringLiteral("onQuit"));
    OnTrayBar.setObjectName(QStringLiteral("OnTrayBar"));
    connect(&onQuit, &QTimer::timeout, this, &QuitSequence::onQuit_Timer);
    connect(&OnTrayBar, &QTimer::timeout, this, &QuitSequence::OnTrayBar_Timer);
    menus.onTriggered("QuitX", this, [this] { onQuit.start(); });
    menus.onTriggered("Fine", this, [this] { onQuit.start(); });
    connect(m_parts.documents, &Documents::savedForQuit, this, &QuitSequence::finishQuit);
}

QuitSequence::~QuitSequence()
{
    delete m_form6;
}

Form6 *QuitSequence::quitDialog() const
{
    return m_form6;
}

void QuitSequence::closeEvent(QCloseEvent *event)
{
    if (m_quitting) {
        event->accept();
        return;
    }
    event->ignore();
    Form_Unload();
}

void QuitSequence::Form_Unload()
{
    if (m_parts.scripts->waitsForScriptOutput())
        return;
    m_parts.toolWindows->closeCalculator();
    if (!m_form6) {
        m_form6 = new Form6(m_window->centralWidget()->palette().color(QPalette::Window));
        // The window is disabled while the dialog is on screen and enabled
        // again however the dialog goes.
        WindowBlock::whileShown(m_form6, m_window);
        connect(m_form6, &Form6::quitChosen, this, [this] { onQuit.start(); });
        connect(m_form6, &Form6::trayChosen, this, [this] { OnTrayBar.start(); });
        // Once the dialog has gone and the window is enabled again.
        connect(
            m_form6, &Form6::closed, this,
            [this] {
                m_window->activateWindow();
                m_parts.view->focusEditor();
            },
            Qt::QueuedConnection);
    }
    m_form6->setWindowState(m_form6->windowState() & ~Qt::WindowMinimized);
    m_form6->show();
    m_form6->raise();
    m_form6->activateWindow();
    const MainWindowLanguage &language = *m_parts.language;
    m_form6->setTexts({language.text(64), language.text(65), language.text(66)});
}

void QuitSequence::onQuit_Timer()
{
    onQuit.stop();
    if (m_parts.scripts->waitsForScriptOutput())
        return;
    // A changed script is asked about first; Cancel there keeps everything open.
    if (!m_parts.scripts->closeScriptEditor())
        return;
    if (m_session.modi()) {
        switch (m_context.prompts->askYesNoCancel(m_window, m_parts.language->text(15))) {
        case Prompts::Answer::Yes:
            // A note without a file goes to the save dialog, which ends the
            // program once it has saved. A failed or cancelled save keeps the
            // program running with the text.
            if (!m_session.hasFile()) {
                m_session.NuovoFileInUscita = true;
                m_parts.documents->Save_Calc_Click();
                return;
            }
            if (!m_parts.documents->saveToCurrentFile())
                return;
            break;
        case Prompts::Answer::No:
            break;
        case Prompts::Answer::Cancel:
            return;
        }
    }

    // A working file still being written would come back after its removal.
    m_session.stopWorkingFiles();
    for (const char *name : {"Temp.cal", "Temp2.cal", "Temp.txt", "TabuloScript.tmp", "TempVb.ini"})
        QFile::remove(m_context.dataFile(QString::fromLatin1(name)));

    const auto problems = m_settingsNow().write(m_context.dataFolder());
    if (!problems.isEmpty()) {
        const LanguageTextLookup text = [this](int key) { return m_parts.language->text(key); };
        QString message = text(LanguageKeys::settingsNotKept);
        for (const auto &[path, result] : problems)
            message += QStringLiteral("\n%1: %2").arg(QDir::toNativeSeparators(path), fileProblemText(result, text));
        m_context.prompts->showError(m_window, message);
    }
    finishQuit();
}

void QuitSequence::OnTrayBar_Timer()
{
    OnTrayBar.stop();
    m_parts.tray->TrayBar_Click();
}

void QuitSequence::finishQuit()
{
    m_quitting = true;
    m_parts.recovery->quitCleanly();
    if (m_form6)
        m_form6->close();
    m_window->close();
    QCoreApplication::exit(0);
}

} // namespace tabulo
