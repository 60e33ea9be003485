#include "ui/edit/edit_commands.h"

#include <QApplication>
#include <QLineEdit>
#include <QPlainTextEdit>

namespace tabulo {

namespace {

template<typename Box> void run(Box *box, ClipboardCommand command)
{
    switch (command) {
    case ClipboardCommand::Cut:
        box->cut();
        break;
    case ClipboardCommand::Copy:
        box->copy();
        break;
    case ClipboardCommand::Paste:
        box->paste();
        break;
    case ClipboardCommand::SelectAll:
        box->selectAll();
        break;
    }
}

} // namespace

QWidget *focusedTextBox(const QWidget *window)
{
    QWidget *focused = QApplication::focusWidget();
    if (!focused || !window || !window->isAncestorOf(focused))
        return nullptr;
    if (qobject_cast<QPlainTextEdit *>(focused) || qobject_cast<QLineEdit *>(focused))
        return focused;
    return nullptr;
}

bool runClipboardCommand(QWidget *box, ClipboardCommand command)
{
    if (auto *text = qobject_cast<QPlainTextEdit *>(box)) {
        run(text, command);
        return true;
    }
    if (auto *line = qobject_cast<QLineEdit *>(box)) {
        run(line, command);
        return true;
    }
    return false;
}

QString infoMessage(int year)
{
    return QStringLiteral("Tabulo (Notes + Calculator) - © Tabulo developers %1\nVer. 5.00 (08 September 2019)")
        .arg(year);
}

QString helpPageName(const QString &languageName)
{
    return QStringLiteral("Help_") + languageName + QStringLiteral(".htm");
}

} // namespace tabulo
