#pragma once

#include <QDialog>

#include <functional>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace tabulo {

class NoteSession;
class Prompts;

// The find and replace window: small, modeless and always on top. It
// searches the note shown in the main window's visible editor and changes
// it only through the note session, so every replacement, and a whole
// Replace All, is one change of the note's history.
class Form5 : public QDialog
{
    Q_OBJECT
public:
    // What the window reaches in the main window.
    struct Host
    {
        NoteSession *session = nullptr;
        // The editor box the user sees (the one that shows the note).
        std::function<QPlainTextEdit *()> visibleEditor;
        Prompts *prompts = nullptr;
        QString dataFolder; // where the language files are
    };

    explicit Form5(Host host, QWidget *parent = nullptr);

    // Shows the window centred on the screen of `over`, with the editor's
    // selection as the search text.
    void showOver(QWidget *over);

    // ---- handlers
    void Find();
    void cmdfind_Click() { Find(); }
    void ReplaceButton_Click();
    void Command2_Click();

    QLabel *Label1 = nullptr;
    QLineEdit *txtfind = nullptr;
    QLabel *Label2 = nullptr;
    QLineEdit *txtreplace = nullptr;
    QCheckBox *Check1 = nullptr;
    QPushButton *cmdfind = nullptr;
    QPushButton *ReplaceButton = nullptr;
    QPushButton *Command2 = nullptr;

protected:
    void closeEvent(QCloseEvent *event) override;
    void done(int result) override;

private:
    void buildControls();
    // Searches from note position `from` (wrapping once) and selects the
    // match, or tells the user the text is not there.
    void findFrom(qsizetype from);
    void selectInEditor(qsizetype notePosition, qsizetype length);
    void showNotFound();
    // The note as it was before a replacement, for the user to paste back.
    void copyNoteToClipboard();
    int pixels(int twips) const;
    void giveFocusBack();

    Host m_host;
    QString m_notFoundText;
};

} // namespace tabulo
