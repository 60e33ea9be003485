#pragma once

#include "windows/note_dialogs/note_file_dialog.h"

class QLineEdit;
class QWidget;

namespace tabulo {

// The open dialog: a note is opened by a double click on it, or by Enter
// once it is selected. `Text1` filters the list by the start of the names.
class Form2 final : public NoteFileDialog
{
    Q_OBJECT
public:
    // Builds the dialog over the host's window, disables that window and
    // shows the dialog. It deletes itself when it closes.
    static Form2 *open(NoteDialogHost &host);

    QLineEdit *Text1 = nullptr; // the name filter
    QWidget *Picture1 = nullptr; // the filter and the buttons

    // Opens the selected note (`Command1`, Enter); nothing when none is selected.
    void Command1_Click();

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void Dir1_Click() override;

private:
    explicit Form2(NoteDialogHost &host);
    void Form_Load();
    void applyLanguage();
    void Text1_Change();
    void File1_Selected(const QString &name);
};

} // namespace tabulo
