#pragma once

#include <QString>

#include <optional>

class QWidget;

namespace tabulo {

// Every message box and input box of the program goes through this service,
// so tests can answer them with a scripted double and never hang on a modal
// box.
class Prompts
{
public:
    enum class Answer { Yes, No, Cancel };

    virtual ~Prompts() = default;

    // The captions of the boxes' buttons, in the interface language; an empty
    // caption leaves the toolkit's own.
    struct ButtonCaptions
    {
        QString yes, no, cancel, ok;
    };
    virtual void setButtonCaptions(const ButtonCaptions &) { }

    // A question with Yes, No and Cancel; closing the box counts as Cancel.
    virtual Answer askYesNoCancel(QWidget *parent, const QString &text) = 0;
    // A question with Yes and No only; closing the box counts as No.
    virtual Answer askYesNo(QWidget *parent, const QString &text) = 0;
    virtual void showInformation(QWidget *parent, const QString &text) = 0;
    // A command that cannot be carried out as things stand (a note without a
    // file has no script): nothing was lost, the user can put it right.
    virtual void showWarning(QWidget *parent, const QString &text) = 0;
    // A failure the user must know about (a file that could not be saved).
    virtual void showError(QWidget *parent, const QString &text) = 0;
    // An input box; nothing when cancelled.
    virtual std::optional<QString> askText(
        QWidget *parent, const QString &prompt, const QString &title, const QString &proposed)
        = 0;
    // A script's MsgBox: its text, its title (empty: the program's) and its
    // flags as the language takes them (see script_message.h). Returns the
    // value of the button pressed (vbOK 1 ... vbNo 7).
    virtual int askScriptMessage(QWidget *parent, const QString &text, const QString &title, int flags) = 0;
    // A file name to save a note under; nothing when cancelled.
    virtual std::optional<QString> askSavePath(QWidget *parent, const QString &folder) = 0;
};

// The real boxes. Each keeps the window it is shown on alive while it is up
// (DeletionHold): a window that closes itself meanwhile goes once the box
// has gone.
class DialogPrompts final : public Prompts
{
public:
    void setButtonCaptions(const ButtonCaptions &captions) override { m_captions = captions; }
    Answer askYesNoCancel(QWidget *parent, const QString &text) override;
    Answer askYesNo(QWidget *parent, const QString &text) override;
    void showInformation(QWidget *parent, const QString &text) override;
    void showWarning(QWidget *parent, const QString &text) override;
    void showError(QWidget *parent, const QString &text) override;
    std::optional<QString> askText(
        QWidget *parent, const QString &prompt, const QString &title, const QString &proposed) override;
    std::optional<QString> askSavePath(QWidget *parent, const QString &folder) override;
    int askScriptMessage(QWidget *parent, const QString &text, const QString &title, int flags) override;

private:
    ButtonCaptions m_captions;
};

} // namespace tabulo
