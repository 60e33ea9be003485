#include "windows/note_dialogs/form2.h"

#include "core/language/language_keys.h"
#include "core/note_dialogs/file_pattern.h"
#include "core/note_dialogs/folder_listing.h"
#include "core/settings/twips.h"
#include "ui/language/language_targets.h"
#include "windows/note_dialogs/file_list.h"
#include "windows/note_dialogs/folder_list.h"
#include "windows/note_dialogs/note_dialog_host.h"

#include <QAction>
#include <QBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>

namespace tabulo {

Form2 *Form2::open(NoteDialogHost &host)
{
    auto *dialog = new Form2(host);
    dialog->showOverHost();
    dialog->File1->setFocus();
    return dialog;
}

Form2::Form2(NoteDialogHost &host)
    : NoteFileDialog(host, QStringLiteral("Form2"))
{
    const Twips twips = Twips::forDpi(logicalDpiY());
    QFont listFont(QStringLiteral("Courier New"));
    listFont.setStyleHint(QFont::TypeWriter);
    Dir1->setFont(listFont);
    Dir1->setFixedWidth(twips.toPixels(3300));

    // ">>" opens the selected note. It stays out of sight: Enter reaches it
    // through the dialog's key handling.
    Command1->setText(QStringLiteral(">>"));
    Command1->hide();

    Picture1 = new QWidget(this);
    Picture1->setObjectName(QStringLiteral("Picture1"));
    Text1 = new QLineEdit(Picture1);
    Text1->setObjectName(QStringLiteral("Text1"));
    Text1->setClearButtonEnabled(true);
    auto *panel = new QHBoxLayout(Picture1);
    panel->setContentsMargins(0, 0, 0, 0);
    panel->addWidget(Text1, 1);
    for (QPushButton *command : {Command2, Command3, Command4})
        panel->addWidget(command);

    auto *right = new QVBoxLayout;
    right->addWidget(File1, 1);
    right->addWidget(Picture1);
    right->addWidget(notice);
    auto *whole = new QHBoxLayout(this);
    whole->addWidget(Dir1);
    whole->addLayout(right, 1);
    setTabOrder(Dir1, File1);
    setTabOrder(File1, Text1);

    connect(Command1, &QPushButton::clicked, this, &Form2::Command1_Click);
    connect(Text1, &QLineEdit::textChanged, this, &Form2::Text1_Change);
    connect(File1, &FileList::fileSelected, this, &Form2::File1_Selected);
    connect(File1, &FileList::fileDoubleClicked, this, &Form2::Command1_Click);

    Form_Load();
}

void Form2::Form_Load()
{
    File1->setPattern(noteFilePattern());
    startInLastFolder();
    File1->setListIndex(0);
    applyLanguage();
}

void Form2::applyLanguage()
{
    applySharedTexts();
    nameForScreenReaders(Text1, text(LanguageKeys::nameFilterName));
    // The field's clear button shows only its picture; the text of its action
    // (the field's own) is what a screen reader says for it, and its tool tip.
    for (QAction *clear : Text1->findChildren<QAction *>(Qt::FindDirectChildrenOnly))
        clear->setText(spokenName(text(LanguageKeys::clearFilterName)));
}

void Form2::Dir1_Click()
{
    rememberCurrentFolder();
    File1->refresh();
    File1->setListIndex(0);
}

void Form2::Text1_Change()
{
    File1->setPattern(nameFilterPattern(Text1->text()));
    // The first match is selected, so Enter opens it at once.
    File1->setListIndex(0);
}

void Form2::File1_Selected(const QString &name)
{
    const QString before = text(76);
    File1->setToolTip(before.isEmpty() ? name : before + QLatin1Char(' ') + name);
}

void Form2::Command1_Click()
{
    const QString name = File1->fileName();
    if (name.isEmpty())
        return;
    File1->setToolTip(name);
    const QString path = pathInFolder(currentFolder(), name);
    QPointer<Form2> self(this);
    const bool opened = host().openNote(path);
    if (!self)
        return;
    if (opened) {
        close();
        return;
    }
    // The host has said why; the list shows what the folder holds now, in
    // case the file has gone.
    const int index = File1->listIndex();
    File1->refresh();
    File1->setListIndex(std::min(index, File1->listCount() - 1));
}

void Form2::keyPressEvent(QKeyEvent *event)
{
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && event->modifiers() == Qt::NoModifier) {
        Command1->click();
        return;
    }
    NoteFileDialog::keyPressEvent(event);
}

} // namespace tabulo
