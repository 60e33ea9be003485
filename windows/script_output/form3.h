#pragma once

#include "script/run/script_run.h"
#include "ui/services/program_context.h"

#include <QTimer>
#include <QWidget>

#include <functional>
#include <optional>

class QLabel;
class QPlainTextEdit;
class QPushButton;

namespace tabulo {

class NoteSession;

// The script output window: runs the note's script once, from the run file,
// and shows what it wrote to "Echo". While it is open the main window is
// disabled; it is enabled again however the window closes. A running script
// keeps the window painted, and Esc (or the close box) stops it with an
// ordinary error; without them it still ends at the ten-second limit.
class Form3 : public QWidget
{
    Q_OBJECT
public:
    struct Host
    {
        NoteSession *session = nullptr;
        QWidget *mainWindow = nullptr;
        // The editor box the user sees: its font and colours are the output's,
        // its selection is the script's "Text" selection.
        std::function<QPlainTextEdit *()> visibleEditor;
        // The main window's status panel by its index (0 to 5), for scripts.
        std::function<QLabel *(int)> statusPanel;
        const ProgramContext *context = nullptr;
        std::function<QString(int key)> languageText;
        // The script as the run command wrote it; run when the run file cannot
        // be read back (a Data folder that refused the file).
        QString scriptBuffer;
        QString startFolder; // where the folder and file lists begin
    };

    explicit Form3(Host host);
    ~Form3() override;

    // ---- the window's controls, as the handlers and tests reach them
    QPlainTextEdit *Text1 = nullptr;
    QWidget *Picture1 = nullptr; // holds the "&HTML" button
    QWidget *Picture2 = nullptr; // the bottom strip that reveals it
    QPushButton *Command2 = nullptr;
    QTimer Timer1, CloseVB;

    // ---- handlers
    void Timer1_Timer();
    void CloseVB_Timer();
    void Command2_Click();

    bool isRunning() const { return m_running; }
    // How the last run ended: nothing when it ended well.
    const std::optional<vbs::ScriptError> &lastError() const { return m_lastError; }

signals:
    // The run is over and its output shown (or the window closing for want of
    // output).
    void runFinished(const std::optional<tabulo::vbs::ScriptError> &error);

protected:
    void closeEvent(QCloseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildControls();
    void placeOverMainWindow();
    void copyNoteLook();
    // The run file's text, or the script handed over when it cannot be read.
    QString readRunFile() const;
    bool keepPainted();
    // The script's MsgBox and InputBox, as the program's other boxes.
    vbs::UiCallbacks scriptDialogs();
    void escapePressed();
    void setRunningCaption(bool running);
    int pixels(double twips) const;

    Host m_host;
    QString m_caption;
    bool m_running = false;
    bool m_stopRequested = false;
    bool m_closeWhenStopped = false;
    std::optional<vbs::ScriptError> m_lastError;
};

} // namespace tabulo
