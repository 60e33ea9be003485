#pragma once

#include "core/export/note_export.h"
#include "ui/services/program_context.h"

#include <functional>

class QPlainTextEdit;
class QWidget;

namespace tabulo {

// The page's colours and font taken from a text box as the theme left it.
PageStyle pageStyleOf(const QPlainTextEdit &box);

// "Esporta" and "Esporta in HTML...": write the file atomically, then show
// it. A file that cannot be written is named to the user with the reason
// and nothing is opened, so an old file never passes for the new one.
class ExportCommands
{
public:
    using LanguageText = std::function<QString(int key)>;

    ExportCommands(QWidget *owner, const ProgramContext &context, LanguageText languageText);

    static QString textFileName() { return QStringLiteral("Temp.txt"); }
    static QString pageFileName() { return QStringLiteral("Output.htm"); }
    QString textFilePath() const;
    QString pageFilePath() const;

    // Writes the note and its total to "Temp.txt" in the Data folder and
    // opens it in the desktop's text editor.
    bool exportText(const QString &noteText, const QString &totalText);
    // Writes "Output.htm" beside the programs, says where, and opens it in
    // the browser.
    bool exportHtml(const QString &text, const PageStyle &style, PageKind kind = PageKind::Note);

private:
    bool write(const QString &path, const QString &contents, int failureKey);

    QWidget *m_owner;
    const ProgramContext &m_context;
    LanguageText m_languageText;
};

} // namespace tabulo
