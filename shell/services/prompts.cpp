#include "prompts.h"

#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>

namespace tabulo {

namespace {

// Boxes without a title of their own carry the program's name, as the
// message boxes of the note commands always did.
const QString boxTitle = QStringLiteral("Tabulo");

} // namespace

Prompts::Answer DialogPrompts::askYesNoCancel(QWidget *parent, const QString &text)
{
    const auto button = QMessageBox::question(parent, boxTitle, text,
                                              QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel,
                                              QMessageBox::Yes);
    if (button == QMessageBox::Yes)
        return Answer::Yes;
    if (button == QMessageBox::No)
        return Answer::No;
    return Answer::Cancel;
}

void DialogPrompts::showInformation(QWidget *parent, const QString &text)
{
    QMessageBox::information(parent, boxTitle, text);
}

void DialogPrompts::showError(QWidget *parent, const QString &text)
{
    QMessageBox::critical(parent, boxTitle, text);
}

std::optional<QString> DialogPrompts::askText(QWidget *parent, const QString &prompt,
                                              const QString &title, const QString &proposed)
{
    bool ok = false;
    const QString text = QInputDialog::getText(parent, title.isEmpty() ? boxTitle : title, prompt,
                                               QLineEdit::Normal, proposed, &ok);
    if (!ok)
        return std::nullopt;
    return text;
}

std::optional<QString> DialogPrompts::askSavePath(QWidget *parent, const QString &folder)
{
    const QString path = QFileDialog::getSaveFileName(parent, boxTitle, folder,
                                                      QStringLiteral("Notes (*.txt);;All files (*)"));
    if (path.isEmpty())
        return std::nullopt;
    return path;
}

} // namespace tabulo
