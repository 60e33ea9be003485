#pragma once

#include "windows/note_dialogs/note_file_dialog.h"

class QLineEdit;
class QWidget;

namespace tabulo {

// The save dialog: the note is saved under the name in `Text1`, with ".txt",
// in the current folder. It never writes over a note that has text.
class Form4 final : public NoteFileDialog
{
    Q_OBJECT
public:
    // Builds the dialog over the host's window, disables that window and
    // shows the dialog. It deletes itself when it closes.
    static Form4 *open(NoteDialogHost &host);

    QLineEdit *Text1 = nullptr; // the name to save under
    QPushButton *Command5 = nullptr; // "Crea Cartella"
    QWidget *Picture1 = nullptr; // "&Files" to "Crea Cartella"
    QWidget *Picture2 = nullptr; // the name and "Save"

    // "Save" (`Command1`, Enter).
    void Command1_Click();
    // "Crea Cartella".
    void Command5_Click();

protected:
    void Dir1_Change() override;
    void Dir1_Click() override;

private:
    explicit Form4(NoteDialogHost &host);
    void Form_Load();
    void applyLanguage();
    void File1_Selected(const QString &name);
    void focusNameAtEnd();
};

} // namespace tabulo
