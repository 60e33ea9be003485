#pragma once

#include <QWidget>

#include <functional>

class QLineEdit;
class QPlainTextEdit;

namespace tabulo {

class Prompts;
class ScriptTextEdit;

// The script editor: a note's companion script in a window of its own,
// beside the main window and not modal, so the note stays at hand while
// the script is written. It edits the script it was opened on until it is
// closed; opening the editor for another note closes it first.
class Form8 : public QWidget
{
    Q_OBJECT
public:
    struct Host
    {
        Prompts *prompts = nullptr;
        // A text of the language file by its key: the failed save's message,
        // the one for a script that cannot be edited and the question before
        // a changed script is closed.
        std::function<QString(int key)> languageText;
    };

    // Reads the script at `scriptPath` (a missing one is a new, empty
    // script) and builds the window on it, not yet shown. Nothing, after
    // telling the user why, for a file that cannot be shown as text (binary
    // data, unreadable): saving it again would destroy it.
    static Form8 *open(Host host, const QString &scriptPath, QWidget *messageParent);

    // The file this window loaded and saves to.
    QString scriptPath() const { return m_scriptPath; }
    // Changed since it was loaded or last saved.
    bool isModified() const;
    // The script as it stands in the editor, lines ended by CR LF.
    QString scriptText() const;

    // Puts the window 300 twips right of and below the main window's corner,
    // at the main window's size, all of it on the main window's screen.
    void placeOver(const QWidget *mainWindow);
    // Takes the note box's font face and size and its colours, which the
    // syntax colours follow.
    void copyLookFrom(const QPlainTextEdit *noteBox);

    // Puts the caret on `line` and `column` (both from 1; beyond the text,
    // its nearest end), marks the line and brings the window forward: where
    // a script run from this file stopped with an error.
    void showErrorAt(int line, int column);

    // Takes its texts from the language again (the question asked before a
    // changed script is closed): the language may have changed since it opened.
    void refreshTexts();

    // Saves without closing (Ctrl+S). False, after telling the user why,
    // when the file could not be written: the text stays in the editor.
    bool save();

    ScriptTextEdit *Text1 = nullptr;
    QLineEdit *MSG1 = nullptr; // hidden: the question asked before a changed script is closed

signals:
    // The window has been closed for good (it deletes itself soon after).
    void closed();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    Form8(Host host, QString scriptPath, const QString &scriptText);
    QString languageText(int key) const;

    Host m_host;
    QString m_scriptPath;
};

} // namespace tabulo
