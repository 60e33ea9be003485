#include "windows/note_dialogs/form4.h"

#include "core/language/language_keys.h"
#include "core/language/problem_texts.h"
#include "core/note_dialogs/folder_listing.h"
#include "core/note_dialogs/note_names.h"
#include "core/settings/twips.h"
#include "ui/services/prompts.h"
#include "windows/note_dialogs/file_list.h"
#include "windows/note_dialogs/folder_list.h"
#include "windows/note_dialogs/note_dialog_host.h"

#include <QBoxLayout>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>

namespace tabulo {

Form4 *Form4::open(NoteDialogHost &host)
{
    auto *dialog = new Form4(host);
    dialog->showOverHost();
    dialog->focusNameAtEnd();
    return dialog;
}

Form4::Form4(NoteDialogHost &host)
    : NoteFileDialog(host, QStringLiteral("Form4"))
{
    const Twips twips = Twips::forDpi(logicalDpiY());
    Dir1->setMinimumHeight(twips.toPixels(1500));

    Picture2 = new QWidget(this);
    Picture2->setObjectName(QStringLiteral("Picture2"));
    Text1 = new QLineEdit(Picture2);
    Text1->setObjectName(QStringLiteral("Text1"));
    QFont nameFont(QStringLiteral("Courier New"));
    nameFont.setStyleHint(QFont::TypeWriter);
    Text1->setFont(nameFont);
    Command1->setDefault(true);
    auto *namePanel = new QHBoxLayout(Picture2);
    namePanel->setContentsMargins(0, 0, 0, 0);
    namePanel->addWidget(Text1, 1);
    namePanel->addWidget(Command1);

    Command5 = new QPushButton(this);
    Command5->setObjectName(QStringLiteral("Command5"));
    Picture1 = new QWidget(this);
    Picture1->setObjectName(QStringLiteral("Picture1"));
    auto *buttons = new QHBoxLayout(Picture1);
    buttons->setContentsMargins(0, 0, 0, 0);
    for (QPushButton *command : {Command2, Command3, Command4, Command5})
        buttons->addWidget(command);
    buttons->addStretch(1);

    auto *whole = new QVBoxLayout(this);
    whole->addWidget(Dir1, 2);
    whole->addWidget(File1, 3);
    whole->addWidget(Picture2);
    whole->addWidget(Picture1);
    whole->addWidget(notice);
    setTabOrder(Text1, Command1);

    connect(Command1, &QPushButton::clicked, this, &Form4::Command1_Click);
    connect(Command5, &QPushButton::clicked, this, &Form4::Command5_Click);
    connect(File1, &FileList::fileSelected, this, &Form4::File1_Selected);
    connect(File1, &FileList::fileClicked, this, &Form4::focusNameAtEnd);

    Form_Load();
}

void Form4::Form_Load()
{
    startInLastFolder();
    applyLanguage();
}

void Form4::applyLanguage()
{
    Command1->setText(text(46));
    Command2->setText(text(72));
    Command3->setText(text(73));
    Command4->setText(text(74));
    Command5->setText(text(75));
}

void Form4::Dir1_Change()
{
    focusNameAtEnd();
}

void Form4::Dir1_Click()
{
    focusNameAtEnd();
}

void Form4::File1_Selected(const QString &name)
{
    File1->setToolTip(name);
    Text1->setText(withoutTxtExtension(name));
}

void Form4::focusNameAtEnd()
{
    Text1->setFocus();
    Text1->end(false);
}

void Form4::Command1_Click()
{
    const QString typed = Text1->text();
    if (typed.isEmpty())
        return;
    Prompts &prompts = *host().context().prompts;
    const QString fileName = noteFileNameFor(typed);
    if (fileName.isEmpty()) {
        prompts.showInformation(this, text(LanguageKeys::noteNameUnusable).arg(typed));
        focusNameAtEnd();
        return;
    }
    const QString target = pathInFolder(currentFolder(), fileName);
    const QFileInfo existing(target);
    // A note that has text is never written over from here: the user picks
    // another name. An empty one is as good as no file.
    if (existing.exists() && (existing.size() > 0 || !existing.isFile())) {
        prompts.showInformation(this, text(18));
        focusNameAtEnd();
        return;
    }
    rememberCurrentFolder();
    QPointer<Form4> self(this);
    const bool saved = host().saveNoteAs(target);
    // Saving may have ended the program, and this dialog with it.
    if (!self)
        return;
    if (!saved) {
        // The host has said why; the user can choose another folder or name.
        File1->refresh();
        focusNameAtEnd();
        return;
    }
    close();
}

void Form4::Command5_Click()
{
    Prompts &prompts = *host().context().prompts;
    const auto answer
        = prompts.askText(this, text(44) + QLatin1Char(' ') + currentFolder(), QStringLiteral("Tabulo"), QString());
    if (!answer || answer->isEmpty())
        return;
    const QString name = folderNameFor(*answer);
    if (name.isEmpty()) {
        prompts.showInformation(this, text(LanguageKeys::folderNameUnusable).arg(*answer));
        return;
    }
    const QString folder = pathInFolder(currentFolder(), name);
    // Folders that differ only in case would be one folder where notes are
    // also kept, so they are refused here too.
    for (const QString &existing : Dir1->subfolderPaths()) {
        if (existing.compare(folder, Qt::CaseInsensitive) == 0) {
            prompts.showInformation(this, text(45));
            return;
        }
    }
    const FileResult made = makeFolder(folder, false);
    if (!made.ok) {
        prompts.showError(this, text(LanguageKeys::folderNotMade).arg(folder, fileProblemText(made, languageTexts())));
        return;
    }
    Dir1->refresh();
    focusNameAtEnd();
}

} // namespace tabulo
