#include "windows/note_dialogs/note_file_dialog.h"

#include "core/files/companion_script.h"
#include "core/language/language_keys.h"
#include "core/language/problem_texts.h"
#include "core/note_dialogs/dialog_placement.h"
#include "core/note_dialogs/folder_listing.h"
#include "core/note_dialogs/last_folder.h"
#include "ui/language/language_targets.h"
#include "ui/services/desktop.h"
#include "ui/services/prompts.h"
#include "ui/windows/window_block.h"
#include "windows/note_dialogs/file_list.h"
#include "windows/note_dialogs/folder_list.h"
#include "windows/note_dialogs/note_dialog_host.h"

#include <QCloseEvent>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QScreen>

namespace tabulo {

namespace {

HostPlacement placementOf(const QWidget &window)
{
    HostPlacement placement;
    const QRect frame = window.frameGeometry();
    const QRect inside = window.geometry();
    placement.frame = frame;
    placement.maximized = window.isMaximized();
    placement.frameMargins = QMargins(inside.left() - frame.left(), inside.top() - frame.top(),
        frame.right() - inside.right(), frame.bottom() - inside.bottom());
    if (const QScreen *screen = window.screen()) {
        placement.screen = screen->geometry();
        placement.available = screen->availableGeometry();
    }
    return placement;
}

// The same file, whichever way its path is written; a path that no longer
// exists compares by its cleaned absolute form.
QString comparablePath(const QString &path)
{
    const QFileInfo info(path);
    const QString canonical = info.canonicalFilePath();
    return canonical.isEmpty() ? QDir::cleanPath(info.absoluteFilePath()) : canonical;
}

} // namespace

NoteFileDialog::NoteFileDialog(NoteDialogHost &host, const QString &objectName)
    // Maximised as any file browser may be, but never minimised: it would
    // take away the one window that can be used while the main window is
    // disabled.
    : QDialog(host.hostWindow(),
        Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
            | Qt::WindowMaximizeButtonHint | Qt::WindowCloseButtonHint)
    , m_host(host)
{
    setObjectName(objectName);
    setWindowTitle(text(LanguageKeys::noteDialogCaption));
    setModal(false);
    setSizeGripEnabled(true);
    setAttribute(Qt::WA_DeleteOnClose);
    WindowBlock::whileShown(this, host.hostWindow());

    Dir1 = new FolderList(this);
    Dir1->setObjectName(QStringLiteral("Dir1"));
    File1 = new FileList(this);
    File1->setObjectName(QStringLiteral("File1"));
    auto button = [this](const char *name) {
        auto *made = new QPushButton(this);
        made->setObjectName(QString::fromLatin1(name));
        // Enter on a focused button presses that button, as everywhere else.
        made->setAutoDefault(true);
        return made;
    };
    Command1 = button("Command1");
    Command2 = button("Command2");
    Command3 = button("Command3");
    Command4 = button("Command4");
    notice = new QLabel(this);
    notice->setObjectName(QStringLiteral("notice"));
    notice->setWordWrap(true);
    notice->setTextFormat(Qt::PlainText);
    notice->hide();

    connect(Dir1, &FolderList::folderChanged, this, [this](const QString &folder) {
        File1->setPath(folder);
        Dir1_Change();
    });
    connect(Dir1, &FolderList::folderClicked, this, [this] {
        showNotice({});
        Dir1_Click();
    });
    connect(Dir1, &FolderList::folderRefused, this, [this](const QString &folder, FileProblem reason) {
        showNotice(text(LanguageKeys::folderNotOpened).arg(folder, problemText(reason)));
    });
    connect(Command2, &QPushButton::clicked, this, &NoteFileDialog::Command2_Click);
    connect(Command3, &QPushButton::clicked, this, &NoteFileDialog::Command3_Click);
    connect(Command4, &QPushButton::clicked, this, &NoteFileDialog::Command4_Click);
}

NoteFileDialog::~NoteFileDialog() = default;

QString NoteFileDialog::currentFolder() const
{
    return Dir1->path();
}

QString NoteFileDialog::projectsFolder() const
{
    return QDir::cleanPath(m_host.context().storageFolder() + QStringLiteral("/Db"));
}

QString NoteFileDialog::text(int key) const
{
    const QString language = m_host.languageText(key);
    return language.isEmpty() ? builtInLanguageText(key) : language;
}

LanguageTextLookup NoteFileDialog::languageTexts() const
{
    return [this](int key) { return text(key); };
}

QString NoteFileDialog::problemText(FileProblem problem) const
{
    return fileProblemText(problem, languageTexts());
}

void NoteFileDialog::applySharedTexts()
{
    Command2->setText(text(72));
    Command3->setText(text(73));
    Command4->setText(text(74));
    nameForScreenReaders(Dir1, text(LanguageKeys::folderListName));
    nameForScreenReaders(File1, text(LanguageKeys::fileListName));
}

void NoteFileDialog::showOverHost()
{
    QWidget *window = m_host.hostWindow();
    const HostPlacement placement = placementOf(*window);
    const QRect frame = noteDialogFrame(placement, Twips::forDpi(window->logicalDpiY()));
    setGeometry(frame.marginsRemoved(placement.frameMargins));
    show();
    raise();
    activateWindow();
}

void NoteFileDialog::startInLastFolder()
{
    const QString projects = projectsFolder();
    const FileResult projectsMade = makeFolder(projects, true);
    const QString last = LastFolder::read(m_host.context().dataFile(QStringLiteral("Dir.ini")));
    if (!last.isEmpty() && !Dir1->setPath(last))
        return;
    if (projectsMade.ok && !Dir1->setPath(projects))
        return;
    const QString reason = projectsMade.ok ? problemText(folderProblem(projects).value_or(FileProblem::ReadFailed))
                                           : fileProblemText(projectsMade, languageTexts());
    for (const QString &fallback : {QDir::homePath(), QDir::rootPath()}) {
        if (!Dir1->setPath(fallback)) {
            showNotice(text(LanguageKeys::projectsFolderNotUsed).arg(projects, reason, fallback));
            return;
        }
    }
}

bool NoteFileDialog::goToFolder(const QString &folder)
{
    if (const auto problem = Dir1->setPath(folder)) {
        showNotice(text(LanguageKeys::folderNotOpened).arg(folder, problemText(*problem)));
        return false;
    }
    showNotice({});
    return true;
}

void NoteFileDialog::rememberCurrentFolder()
{
    // Where the dialogs were last used is a convenience: a Data folder that
    // cannot be written only means the next dialog starts elsewhere.
    (void)LastFolder::write(m_host.context().dataFile(QStringLiteral("Dir.ini")), currentFolder());
}

void NoteFileDialog::showNotice(const QString &message)
{
    notice->setText(message);
    notice->setVisible(!message.isEmpty());
}

// "&Files": the folder in the desktop's file manager.
void NoteFileDialog::Command2_Click()
{
    if (!m_host.context().desktop->openFolder(currentFolder())) {
        m_host.context().prompts->showError(this, text(LanguageKeys::fileManagerNotStarted).arg(currentFolder()));
        return;
    }
    close();
}

// "Progetti": the projects folder, made again if it went missing.
void NoteFileDialog::Command3_Click()
{
    const QString projects = projectsFolder();
    const FileResult made = makeFolder(projects, true);
    if (!made.ok) {
        showNotice(text(LanguageKeys::projectsFolderNotMade).arg(projects, fileProblemText(made, languageTexts())));
        return;
    }
    const QString before = currentFolder();
    // A change of folder lists its files; staying in it lists them again.
    if (goToFolder(projects) && currentFolder() == before)
        File1->refresh();
}

// "Cancella File": the selected note and its companion script, after asking.
void NoteFileDialog::Command4_Click()
{
    const int index = File1->listIndex();
    if (index < 0)
        return;
    const QString path = pathInFolder(currentFolder(), File1->fileName());
    Prompts &prompts = *m_host.context().prompts;
    if (prompts.askYesNoCancel(this, text(48) + QLatin1Char(' ') + path + QLatin1Char('?')) != Prompts::Answer::Yes)
        return;

    if (!QFileInfo::exists(path)) {
        // Gone since the list was read, or a name in bytes this system does
        // not read as text, which no path can reach.
        prompts.showInformation(this, text(LanguageKeys::noteNotFound).arg(path));
        File1->refresh();
        File1->setListIndex(std::min(index, File1->listCount() - 1));
        return;
    }
    const bool wasOpen = isOpenNote(path);
    QFile note(path);
    if (!note.remove()) {
        const FileResult failed = FileResult::writeFailure(path, QFileDevice::RemoveError, note.errorString());
        prompts.showError(this, text(LanguageKeys::noteNotDeleted).arg(path, fileProblemText(failed, languageTexts())));
        return;
    }
    const QString script = companionScriptPath(path);
    if (!script.isEmpty() && QFileInfo::exists(script)) {
        QFile scriptFile(script);
        if (!scriptFile.remove()) {
            const FileResult failed
                = FileResult::writeFailure(script, QFileDevice::RemoveError, scriptFile.errorString());
            prompts.showError(
                this, text(LanguageKeys::noteScriptNotDeleted).arg(script, fileProblemText(failed, languageTexts())));
        }
    }
    QPointer<NoteFileDialog> self(this);
    if (wasOpen)
        m_host.noteFileDeleted(path);
    if (!self)
        return;
    File1->refresh();
    File1->setListIndex(std::min(index, File1->listCount() - 1));
}

bool NoteFileDialog::isOpenNote(const QString &path) const
{
    const QString open = m_host.currentNotePath();
    return !open.isEmpty() && comparablePath(open) == comparablePath(path);
}

void NoteFileDialog::done(int result)
{
    // Esc ends a dialog through done(), the close box through a close event.
    QPointer<NoteFileDialog> self(this);
    QDialog::done(result);
    if (self)
        reportClosed();
}

void NoteFileDialog::closeEvent(QCloseEvent *event)
{
    QDialog::closeEvent(event);
    if (event->isAccepted())
        reportClosed();
}

void NoteFileDialog::reportClosed()
{
    if (m_closeReported)
        return;
    m_closeReported = true;
    m_host.dialogClosed();
}

} // namespace tabulo
