#include "windows/main/form1.h"

#include "core/files/text_file.h"
#include "core/language/language_keys.h"
#include "core/settings/record_format.h"
#include "ui/services/prompts.h"
#include "windows/main/note_editor.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QUrl>

namespace tabulo {

namespace {

// "LastFile.ini" holds the caption at the last exit; its first field is the
// path (up to a comma, quotes removed).
QString lastFilePath(const QString &fileText)
{
    qsizetype lineEnd = 0;
    while (lineEnd < fileText.size() && fileText[lineEnd] != u'\r' && fileText[lineEnd] != u'\n')
        ++lineEnd;
    return RecordFormat::parseRecord(QStringView(fileText).first(lineEnd)).value(0);
}

} // namespace

// New, Load, Reload, Save, Save As and dropped files. Nothing that would
// discard unsaved text happens without the unsaved-changes question, and a
// file that cannot be read or written never costs the user the text on
// screen: they are told which file and why.

void Form1::connectDocumentCommands()
{
    const std::pair<const char *, void (Form1::*)()> commands[] = {
        {"New_Calc", &Form1::New_Calc_Click},
        {"Load_Calc", &Form1::Load_Calc_Click},
        {"RicaricaUltimoFileX", &Form1::RicaricaUltimoFileX_Click},
        {"SaveX", &Form1::SaveX_Click},
        {"Save_Calc", &Form1::Save_Calc_Click},
    };
    for (const auto &[name, handler] : commands)
        connect(action(QString::fromLatin1(name)), &QAction::triggered, this, handler);
    for (NoteEditor *editor : {m_text1, m_editor2})
        connect(editor, &NoteEditor::filesDropped, this, &Form1::dropFiles);
}

bool Form1::askToKeepChanges()
{
    if (!m_session.modi())
        return true;
    switch (m_context.prompts->askYesNoCancel(this, languageText(15))) {
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

void Form1::New_Calc_Click()
{
    m_session.NuovoFile = true;
    NuovaNota();
}

void Form1::NuovaNota()
{
    if (!m_session.modi()) {
        PulisciNota();
        return;
    }
    switch (m_context.prompts->askYesNoCancel(this, languageText(15))) {
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

void Form1::PulisciNota()
{
    m_session.PulisciNota();
    syncHiddenEditor();
    m_text1->moveCaretToEnd();
    m_editor2->moveCaretToEnd();
    visibleEditor()->setFocus();
    startResetModi();
}

void Form1::Load_Calc_Click()
{
    if (!askToKeepChanges())
        return;
    openNoteDialog();
}

void Form1::RicaricaUltimoFileX_Click()
{
    const auto file = readTextFile(m_context.dataFile(QStringLiteral("LastFile.ini")), nullptr, 64 * 1024);
    const QString path = file ? lastFilePath(*file) : QString();
    if (path.trimmed().isEmpty() || path.trimmed().startsWith(QLatin1String("Tabulo"))) {
        m_context.prompts->showInformation(this, languageText(LanguageKeys::noLastFile));
        return;
    }
    if (!askToKeepChanges())
        return;
    openNoteFile(path);
}

bool Form1::openNoteFile(const QString &path)
{
    const FileResult opened = m_session.load(path);
    if (!opened.ok) {
        m_context.prompts->showError(this, languageText(LanguageKeys::cannotOpen).arg(path, opened.error));
        return false;
    }
    visibleEditor()->moveCaretToEnd();
    visibleEditor()->setFocus();
    startResetModi();
    return true;
}

void Form1::dropFiles(const QList<QUrl> &urls)
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
        m_context.prompts->showInformation(this, languageText(LanguageKeys::onlyFirstDropped).arg(files.first()));
}

bool Form1::saveToCurrentFile()
{
    return saveNoteAs(m_session.caption());
}

bool Form1::saveNoteAs(const QString &path)
{
    const bool newNoteWaiting = m_session.NuovoFile;
    const bool quitWaiting = m_session.NuovoFileInUscita;
    const FileResult saved = m_session.saveAs(path);
    if (!saved.ok) {
        // The note stays modified with its history, and nothing that waited
        // for the save (a New, the quit) goes on.
        m_session.NuovoFile = false;
        m_session.NuovoFileInUscita = false;
        m_context.prompts->showError(this, languageText(LanguageKeys::cannotSave).arg(path, saved.error));
        return false;
    }
    startResetModi();
    if (quitWaiting)
        finishQuit();
    else if (newNoteWaiting)
        PulisciNota();
    return true;
}

void Form1::SaveX_Click()
{
    if (!m_session.hasFile()) {
        Save_Calc_Click();
        return;
    }
    saveToCurrentFile();
}

void Form1::Save_Calc_Click()
{
    openSaveDialog();
}

} // namespace tabulo
