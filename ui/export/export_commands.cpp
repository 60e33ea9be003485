#include "ui/export/export_commands.h"

#include "core/files/text_file.h"
#include "core/language/language_keys.h"
#include "core/language/problem_texts.h"
#include "core/theme/colour_numbers.h"
#include "ui/services/desktop.h"
#include "ui/services/prompts.h"

#include <QDir>
#include <QPlainTextEdit>

namespace tabulo {

namespace {

QString htmlColour(const QColor &colour)
{
    return ColorToHtml(colourNumber(colour.red(), colour.green(), colour.blue()));
}

} // namespace

PageStyle pageStyleOf(const QPlainTextEdit &box)
{
    const QPalette palette = box.palette();
    const QFont font = box.font();
    return {htmlColour(palette.color(QPalette::Base)), htmlColour(palette.color(QPalette::Text)), font.family(),
        font.pointSizeF() > 0 ? font.pointSizeF() : 12.0};
}

ExportCommands::ExportCommands(QWidget *owner, const ProgramContext &context, LanguageText languageText)
    : m_owner(owner)
    , m_context(context)
    , m_languageText(std::move(languageText))
{
}

QString ExportCommands::textFilePath() const
{
    return m_context.dataFile(textFileName());
}

QString ExportCommands::pageFilePath() const
{
    return m_context.storageFolder() + QLatin1Char('/') + pageFileName();
}

bool ExportCommands::write(const QString &path, const QString &contents, int failureKey)
{
    const FileResult written = writeFileAtomically(path, contents);
    if (!written.ok && m_context.prompts)
        m_context.prompts->showError(m_owner,
            m_languageText(failureKey).arg(QDir::toNativeSeparators(path), fileProblemText(written, m_languageText)));
    return written.ok;
}

bool ExportCommands::exportText(const QString &noteText, const QString &totalText)
{
    const QString path = textFilePath();
    if (!write(path, noteTextExport(noteText, totalText), LanguageKeys::cannotExport))
        return false;
    if (m_context.desktop && !m_context.desktop->openInTextEditor(path) && m_context.prompts)
        m_context.prompts->showError(
            m_owner, m_languageText(LanguageKeys::cannotShowExport).arg(QDir::toNativeSeparators(path)));
    return true;
}

bool ExportCommands::exportHtml(const QString &text, const PageStyle &style, PageKind kind)
{
    const QString path = pageFilePath();
    const bool output = kind == PageKind::ScriptOutput;
    if (!write(
            path, htmlPage(text, style, kind), output ? LanguageKeys::cannotExportOutput : LanguageKeys::cannotExport))
        return false;
    if (m_context.prompts)
        m_context.prompts->showInformation(m_owner,
            m_languageText(LanguageKeys::pageWritten)
                .arg(pageFileName(), QDir::toNativeSeparators(m_context.storageFolder())));
    if (m_context.desktop && !m_context.desktop->openWithAssociatedProgram(path) && m_context.prompts)
        m_context.prompts->showError(m_owner,
            m_languageText(output ? LanguageKeys::cannotShowOutput : LanguageKeys::cannotShowExport)
                .arg(QDir::toNativeSeparators(path)));
    return true;
}

} // namespace tabulo
