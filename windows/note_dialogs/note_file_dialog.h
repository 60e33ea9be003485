#pragma once

#include "core/files/file_problem.h"
#include "core/language/problem_texts.h"

#include <QDialog>

class QLabel;
class QPushButton;

namespace tabulo {

class FileList;
class FolderList;
class NoteDialogHost;

// What the open dialog `Form2` and the save dialog `Form4` share: the folder
// and file lists, the buttons "&Files", "Progetti" and "Cancella File", the
// last folder in "Dir.ini", the projects folder, the placement over the main
// window and the closing, however it happens, that hands the main window
// back. Each dialog is built for one use and deletes itself when closed.
class NoteFileDialog : public QDialog
{
    Q_OBJECT
public:
    ~NoteFileDialog() override;

    FolderList *Dir1 = nullptr;
    FileList *File1 = nullptr;
    QPushButton *Command1 = nullptr; // the dialog's own action (open, save)
    QPushButton *Command2 = nullptr; // "&Files"
    QPushButton *Command3 = nullptr; // "Progetti"
    QPushButton *Command4 = nullptr; // "Cancella File"
    // Says why the dialog is not where the user would expect it (a projects
    // folder that cannot be made, a folder that cannot be opened).
    QLabel *notice = nullptr;

    QString currentFolder() const;
    QString projectsFolder() const;

protected:
    NoteFileDialog(NoteDialogHost &host, const QString &objectName);

    NoteDialogHost &host() const { return m_host; }
    // The current language's text of a key, else the built-in one.
    QString text(int key) const;
    LanguageTextLookup languageTexts() const;
    QString problemText(FileProblem problem) const;

    // Places the dialog over the main window, disables the main window and
    // shows the dialog with the focus.
    void showOverHost();
    // Starts in the folder "Dir.ini" names, else in the projects folder,
    // which is made when missing, else in the home folder.
    void startInLastFolder();
    // Opens a folder in `Dir1`; one that cannot be opened leaves the lists
    // as they were and says why. False then.
    bool goToFolder(const QString &folder);
    void rememberCurrentFolder();
    void showNotice(const QString &message);

    void Command2_Click();
    void Command3_Click();
    void Command4_Click();

    // What a change of `Dir1` does besides listing its files.
    virtual void Dir1_Change() { }
    // What a click on a `Dir1` entry does after opening it.
    virtual void Dir1_Click() { }

    void done(int result) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void reportClosed();
    bool isOpenNote(const QString &path) const;

    NoteDialogHost &m_host;
    bool m_closeReported = false;
};

} // namespace tabulo
