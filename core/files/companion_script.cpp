#include "core/files/companion_script.h"

#include "core/engine/note_lines.h"
#include "core/files/text_codec.h"

#include <QFile>
#include <QFileInfo>

namespace tabulo {

QString companionScriptPath(const QString &notePath)
{
    const qsizetype slash = notePath.lastIndexOf(u'/');
    const QString folder = notePath.left(slash + 1);
    QString name = notePath.sliced(slash + 1);
    const QString original = name;
    for (const char *spelling : {".TXT", ".Txt", ".tXt", ".txT", ".txt"})
        name.replace(QLatin1String(spelling), QLatin1String(".vb"), Qt::CaseSensitive);
    if (name == original)
        return {};
    return folder + name;
}

namespace {

ScriptFileText problem(ScriptFileProblem kind, FileResult file)
{
    ScriptFileText result;
    result.problem = kind;
    result.file = std::move(file);
    return result;
}

// The raw bytes of an existing script, at most `maxBytes` + 1 of them so
// that a caller can tell a file that is too long without reading all of it.
ScriptFileText readScriptBytes(const QString &path, qint64 maxBytes, QByteArray &bytes)
{
    const QFileInfo info(path);
    if (info.isDir())
        return problem(ScriptFileProblem::Unreadable, FileResult::failure(FileProblem::IsFolder));
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return problem(ScriptFileProblem::Unreadable, FileResult::readFailure(path, file.errorString()));
    bytes = file.read(maxBytes + 1);
    if (file.error() != QFileDevice::NoError)
        return problem(ScriptFileProblem::Unreadable, FileResult::failure(FileProblem::ReadFailed, file.errorString()));
    if (bytes.size() > maxBytes)
        return problem(ScriptFileProblem::TooLong, FileResult::failure(FileProblem::TooLarge, {}, maxBytes));
    // Text in UTF-16 holds NUL bytes wherever it holds plain letters; a
    // UTF-16 file of other scripts' letters has none, but starts with its
    // byte order mark.
    if (bytes.contains('\0') || bytes.startsWith("\xFF\xFE") || bytes.startsWith("\xFE\xFF"))
        return problem(ScriptFileProblem::Binary, FileResult::failure(FileProblem::BinaryData));
    return {};
}

} // namespace

ScriptFileText readScriptForRun(const QString &scriptPath)
{
    const QFileInfo info(scriptPath);
    if (!info.exists())
        return problem(ScriptFileProblem::Missing, FileResult::failure(FileProblem::NotFound));
    QByteArray bytes;
    ScriptFileText read = readScriptBytes(scriptPath, maxRunScriptBytes - 1, bytes);
    if (!read.ok())
        return read;
    if (bytes.isEmpty())
        return problem(ScriptFileProblem::Empty, FileResult::success());
    // Every line, the last one too, is handed on with its CR LF; an empty
    // line stays a line.
    read.text = withCrLfLineEnds(decodeText(bytes));
    if (!read.text.endsWith(QLatin1String("\r\n")))
        read.text += QLatin1String("\r\n");
    return read;
}

ScriptFileText readScriptForEditor(const QString &scriptPath)
{
    if (!QFileInfo::exists(scriptPath) && !QFileInfo(scriptPath).isSymLink())
        return {};
    QByteArray bytes;
    ScriptFileText read = readScriptBytes(scriptPath, maxNoteBytes, bytes);
    if (!read.ok())
        return read;
    read.text = joinLinesWithCrLf(decodeText(bytes));
    return read;
}

int scriptFileLine(QStringView scriptText, int runLine)
{
    int fileLine = 0;
    int runLines = 0;
    int found = 0;
    forEachLine(scriptText, [&](QStringView line) {
        ++fileLine;
        if (!line.isEmpty() && ++runLines == runLine && found == 0)
            found = fileLine;
    });
    return found;
}

FileResult saveScriptFromEditor(const QString &scriptPath, const QString &editorText)
{
    if (editorText.isEmpty()) {
        const QFileInfo info(scriptPath);
        if (!info.exists() && !info.isSymLink())
            return FileResult::success();
        if (info.isDir())
            return FileResult::failure(FileProblem::IsFolder, QStringLiteral("it is a folder"));
        QFile file(scriptPath);
        if (!file.remove())
            return FileResult::writeFailure(scriptPath, QFileDevice::RemoveError, file.errorString());
        return FileResult::success();
    }
    QString contents = withCrLfLineEnds(editorText);
    contents += QLatin1String("\r\n");
    return writeFileAtomically(scriptPath, contents);
}

} // namespace tabulo
