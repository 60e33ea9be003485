#include "ui/services/prompts.h"

#include "ui/services/deletion_hold.h"
#include "ui/services/script_message.h"

#include <QAbstractButton>
#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>

namespace tabulo {

namespace {

// Boxes without a title of their own carry the program's name, as the
// message boxes of the note commands always did.
const QString boxTitle = QStringLiteral("Tabulo");

void label(QMessageBox &box, QMessageBox::StandardButton which, const QString &caption)
{
    if (QAbstractButton *button = box.button(which); button && !caption.isEmpty())
        button->setText(caption);
}

void showMessage(QWidget *parent, QMessageBox::Icon icon, const QString &text, const QString &ok)
{
    const DeletionHold hold(parent);
    QMessageBox box(icon, boxTitle, text, QMessageBox::Ok, parent);
    label(box, QMessageBox::Ok, ok);
    box.exec();
}

} // namespace

Prompts::Answer DialogPrompts::askYesNoCancel(QWidget *parent, const QString &text)
{
    const DeletionHold hold(parent);
    QMessageBox box(
        QMessageBox::Question, boxTitle, text, QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, parent);
    box.setDefaultButton(QMessageBox::Yes);
    label(box, QMessageBox::Yes, m_captions.yes);
    label(box, QMessageBox::No, m_captions.no);
    label(box, QMessageBox::Cancel, m_captions.cancel);
    box.exec();
    // Esc and the close box press Cancel.
    const auto button = box.standardButton(box.clickedButton());
    if (button == QMessageBox::Yes)
        return Answer::Yes;
    if (button == QMessageBox::No)
        return Answer::No;
    return Answer::Cancel;
}

Prompts::Answer DialogPrompts::askYesNo(QWidget *parent, const QString &text)
{
    QMessageBox box(QMessageBox::Question, boxTitle, text, QMessageBox::Yes | QMessageBox::No, parent);
    box.setDefaultButton(QMessageBox::Yes);
    // Esc and the close box answer No.
    box.setEscapeButton(QMessageBox::No);
    label(box, QMessageBox::Yes, m_captions.yes);
    label(box, QMessageBox::No, m_captions.no);
    box.exec();
    return box.standardButton(box.clickedButton()) == QMessageBox::Yes ? Answer::Yes : Answer::No;
}

void DialogPrompts::showInformation(QWidget *parent, const QString &text)
{
    showMessage(parent, QMessageBox::Information, text, m_captions.ok);
}

void DialogPrompts::showWarning(QWidget *parent, const QString &text)
{
    showMessage(parent, QMessageBox::Warning, text, m_captions.ok);
}

void DialogPrompts::showError(QWidget *parent, const QString &text)
{
    showMessage(parent, QMessageBox::Critical, text, m_captions.ok);
}

std::optional<QString> DialogPrompts::askText(
    QWidget *parent, const QString &prompt, const QString &title, const QString &proposed)
{
    const DeletionHold hold(parent);
    QInputDialog dialog(parent);
    dialog.setWindowTitle(title.isEmpty() ? boxTitle : title);
    dialog.setLabelText(prompt);
    dialog.setTextValue(proposed);
    if (!m_captions.ok.isEmpty())
        dialog.setOkButtonText(m_captions.ok);
    if (!m_captions.cancel.isEmpty())
        dialog.setCancelButtonText(m_captions.cancel);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.textValue();
}

std::optional<QString> DialogPrompts::askSavePath(QWidget *parent, const QString &folder)
{
    const DeletionHold hold(parent);
    const QString path
        = QFileDialog::getSaveFileName(parent, boxTitle, folder, QStringLiteral("Notes (*.txt);;All files (*)"));
    if (path.isEmpty())
        return std::nullopt;
    return path;
}

int DialogPrompts::askScriptMessage(QWidget *parent, const QString &text, const QString &title, int flags)
{
    const ScriptMessageLayout layout = scriptMessageLayout(flags);
    static constexpr QMessageBox::Icon icons[] = {QMessageBox::NoIcon, QMessageBox::Critical, QMessageBox::Question,
        QMessageBox::Warning, QMessageBox::Information};
    static constexpr QMessageBox::StandardButton standard[]
        = {QMessageBox::NoButton, QMessageBox::Ok, QMessageBox::Cancel, QMessageBox::Abort, QMessageBox::Retry,
            QMessageBox::Ignore, QMessageBox::Yes, QMessageBox::No};
    const QMessageBox::StandardButtons buttons = [&] {
        QMessageBox::StandardButtons all;
        for (const int button : layout.buttons)
            all |= standard[button];
        return all;
    }();
    const DeletionHold hold(parent);
    QMessageBox box(icons[int(layout.icon)], title.isEmpty() ? boxTitle : title, text, buttons, parent);
    box.setDefaultButton(standard[layout.defaultButton]);
    if (layout.escapeButton)
        box.setEscapeButton(standard[layout.escapeButton]);
    label(box, QMessageBox::Yes, m_captions.yes);
    label(box, QMessageBox::No, m_captions.no);
    label(box, QMessageBox::Cancel, m_captions.cancel);
    label(box, QMessageBox::Ok, m_captions.ok);
    // A box without an escape button answers its close box with its default.
    box.exec();
    const auto pressed = box.standardButton(box.clickedButton());
    for (const int button : layout.buttons)
        if (standard[button] == pressed)
            return button;
    return layout.escapeButton ? layout.escapeButton : layout.defaultButton;
}

} // namespace tabulo
