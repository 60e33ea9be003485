#include "core/note_dialogs/last_folder.h"

#include "core/engine/note_lines.h"
#include "core/settings/record_format.h"

namespace tabulo::LastFolder {

namespace {

// A folder path is short; a bigger file is not ours and is not read.
constexpr qint64 maxLastFolderFileBytes = 64 * 1024;

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
    return RecordFormat::formatLoneText(folder);
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
