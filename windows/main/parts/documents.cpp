#include "windows/main/parts/documents.h"

#include "core/language/language_keys.h"
#include "core/language/problem_texts.h"
#include "core/session/note_session.h"
#include "core/settings/main_window_settings.h"
#include "ui/services/prompts.h"
#include "windows/main/controls/note_editor.h"
#include "windows/main/menus/main_menus.h"
#include "windows/main/parts/main_window_language.h"
#include "windows/main/parts/note_view.h"
#include "windows/note_dialogs/form2.h"
#include "windows/note_dialogs/form4.h"

#include <QUrl>

namespace tabulo {

Documents::Documents(QWidget *window, const ProgramContext &context, NoteSession &session, NoteView &view,
    const MainWindowLanguage &language, MainMenus &menus)
    : m_window(window)
    , m_context(context)
    , m_session(session)
    , m_view(view)
    , m_language(language)
{
    menus.onTriggered("New_Calc", this, [this] { New_Calc_Click(); });
    menus.onTriggered("Load_Calc", this, [this] { Load_Calc_Click(); });
    menus.onTriggered("RicaricaUltimoFileX", this, [this] { RicaricaUltimoFileX_Click(); });
    menus.onTriggered("SaveX", this, [this] { SaveX_Click(); });
    menus.onTriggered("Save_Calc", this, [this] { Save_Calc_Click(); });
    for (NoteEditor *editor : view.editors())
        connect(editor, &NoteEditor::filesDropped, this, &Documents::dropFiles);
}

QString Documents::languageText(int key) const
{
    return m_language.text(key);
}

bool Documents::askToKeepChanges()
{
    if (!m_session.modi())
        return true;
    switch (m_context.prompts->askYesNoCancel(m_window, languageText(15))) {
    case Prompts::Answer::Yes:
        // A note without a file goes to the save dialog first; the command
        // that asked is given up, as the save may still be cancelled.
        if (!m_session.hasFile()) {
            Save_Calc_Click();
            return false;
        }
        return saveToCurrentFile();
    case Prompts::Answer::No:
        return true;
    case Prompts::Answer::Cancel:
        break;
    }
    return false;
}

void Documents::New_Calc_Click()
{
    m_session.NuovoFile = true;
    NuovaNota();
}

void Documents::NuovaNota()
{
    if (!m_session.modi()) {
        PulisciNota();
        return;
    }
    switch (m_context.prompts->askYesNoCancel(m_window, languageText(15))) {
    case Prompts::Answer::Yes:
        if (!m_session.hasFile()) {
            // The note becomes blank once the save dialog has saved it.
            Save_Calc_Click();
            return;
        }
        // The save makes the note blank, as the New waits for it.
        saveToCurrentFile();
        return;
    case Prompts::Answer::No:
        PulisciNota();
        return;
    case Prompts::Answer::Cancel:
        // A New given up leaves nothing waiting for a later Save As.
        m_session.NuovoFile = false;
        return;
    }
}

void Documents::PulisciNota()
{
    m_session.PulisciNota();
    m_view.showClearedNote();
    m_view.scheduleHistoryReset();
}

void Documents::Load_Calc_Click()
{
    if (!askToKeepChanges())
        return;
    Form2::open(*this);
}

void Documents::RicaricaUltimoFileX_Click()
{
    const QString path = MainWindowSettings::readLastFile(m_context.dataFolder());
    if (path.trimmed().isEmpty() || path.trimmed().startsWith(QLatin1String("Tabulo"))) {
        m_context.prompts->showInformation(m_window, languageText(LanguageKeys::noLastFile));
        return;
    }
    if (!askToKeepChanges())
        return;
    openNoteFile(path);
}

bool Documents::openNoteFile(const QString &path)
{
    const FileResult opened = m_session.load(path);
    if (!opened.ok) {
        m_context.prompts->showError(
            m_window, languageText(LanguageKeys::cannotOpen).arg(path, fileProblemText(opened, [this](int key) {
                return languageText(key);
            })));
        return false;
    }
    m_view.visibleEditor()->moveCaretToEnd();
    m_view.focusEditor();
    m_view.scheduleHistoryReset();
    return true;
}

void Documents::dropFiles(const QList<QUrl> &urls)
{
    QStringList files;
    for (const QUrl &url : urls) {
        if (url.isLocalFile())
            files << url.toLocalFile();
    }
    // Something that is not a file leaves the note as it is.
    if (files.isEmpty() || !askToKeepChanges())
        return;
    if (openNoteFile(files.first()) && files.size() > 1)
        m_context.prompts->showInformation(m_window, languageText(LanguageKeys::onlyFirstDropped).arg(files.first()));
}

bool Documents::saveToCurrentFile()
{
    return saveNoteAs(m_session.caption());
}

bool Documents::saveNoteAs(const QString &path)
{
    const bool newNoteWaiting = m_session.NuovoFile;
    const bool quitWaiting = m_session.NuovoFileInUscita;
    const FileResult saved = m_session.saveAs(path);
    if (!saved.ok) {
        // The note stays modified with its history, and nothing that waited
        // for the save (a New, the quit) goes on.
        m_session.NuovoFile = false;
        m_session.NuovoFileInUscita = false;
        m_context.prompts->showError(
            m_window, languageText(LanguageKeys::cannotSave).arg(path, fileProblemText(saved, [this](int key) {
                return languageText(key);
            })));
        return false;
    }
    m_view.scheduleHistoryReset();
    if (quitWaiting)
        emit savedForQuit();
    else if (newNoteWaiting)
        PulisciNota();
    return true;
}

void Documents::SaveX_Click()
{
    if (!m_session.hasFile()) {
        Save_Calc_Click();
        return;
    }
    saveToCurrentFile();
}

void Documents::Save_Calc_Click()
{
    Form4::open(*this);
}

// The note dialogs open on the window and reach it only through the calls
// below; the window is disabled while one is on screen (WindowBlock).

QString Documents::currentNotePath() const
{
    return m_session.hasFile() ? m_session.caption() : QString();
}

void Documents::noteFileDeleted(const QString &)
{
    // The text on screen is now the only copy: the quit asks to save it.
    m_session.markModified();
}

void Documents::dialogClosed()
{
    // A New or a quit that waited for a Save As the user gave up on does
    // not go on later with another save.
    m_session.NuovoFile = false;
    m_session.NuovoFileInUscita = false;
    m_window->activateWindow();
    m_view.focusEditor();
}

} // namespace tabulo
