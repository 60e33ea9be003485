#include "core/settings/settings_line_file.h"

#include "core/engine/note_lines.h"

namespace tabulo::SettingsLineFile {

namespace {

bool isCommentLine(QStringView line)
{
    return line.isEmpty() || line.front() == u'\'' || line.front() == u'#' || line.front() == u'[';
}

// Settings files are a few lines long; anything bigger is not one of ours.
constexpr qint64 maxSettingsFileBytes = 1024 * 1024;

template<typename Accept> std::optional<QString> lastAcceptedLine(QStringView text, Accept &&accept)
{
    std::optional<QString> found;
    forEachLine(text, [&](QStringView line) {
        if (!isCommentLine(line) && accept(line))
            found = line.toString();
    });
    return found;
}

} // namespace

std::optional<QString> parse(QStringView fileText, const QStringList &values)
{
    return lastAcceptedLine(fileText, [&](QStringView line) { return values.contains(line); });
}

std::optional<QString> parseLastLine(QStringView fileText)
{
    return lastAcceptedLine(fileText, [](QStringView) { return true; });
}

std::optional<QString> read(const QString &path, const QStringList &values)
{
    const auto text = readTextFile(path, nullptr, maxSettingsFileBytes);
    return text ? parse(*text, values) : std::nullopt;
}

std::optional<QString> readLastLine(const QString &path)
{
    const auto text = readTextFile(path, nullptr, maxSettingsFileBytes);
    return text ? parseLastLine(*text) : std::nullopt;
}

FileResult write(const QString &path, const QStringList &lines)
{
    QString text;
    for (const QString &line : lines) {
        text += line;
        text += QStringLiteral("\r\n");
    }
    return writeFileAtomically(path, text);
}

} // namespace tabulo::SettingsLineFile
