#include "core/note_dialogs/last_folder.h"

#include "core/engine/note_lines.h"
#include "core/settings/record_format.h"

namespace tabulo::LastFolder {

namespace {

// A folder path is short; a bigger file is not ours and is not read.
constexpr qint64 maxLastFolderFileBytes = 64 * 1024;

// Whatever the reader trims around a field: not only blanks but any space
// (a vertical tab, a no-break space).
bool isTrimmedAway(QChar c)
{
    return c.isSpace();
}

} // namespace

QString parse(QStringView fileText)
{
    QString folder;
    forEachLine(fileText, [&](QStringView line) {
        const QStringList fields = RecordFormat::parseRecord(line);
        for (const QString &field : fields) {
            if (!field.isEmpty())
                folder = field;
        }
    });
    return folder;
}

QString format(const QString &folder)
{
    const bool needsQuotes = folder.contains(u',') || folder.startsWith(u'"')
        || (!folder.isEmpty() && (isTrimmedAway(folder.front()) || isTrimmedAway(folder.back())));
    // A quoted field ends at the next double quote, so a path holding one
    // cannot be quoted; it is written as it is.
    if (needsQuotes && !folder.contains(u'"'))
        return QLatin1Char('"') + folder + QLatin1Char('"');
    return folder;
}

QString read(const QString &path)
{
    const auto text = readTextFile(path, nullptr, maxLastFolderFileBytes);
    return text ? parse(*text) : QString();
}

FileResult write(const QString &path, const QString &folder)
{
    return writeFileAtomically(path, format(folder) + QStringLiteral("\r\n"));
}

} // namespace tabulo::LastFolder
