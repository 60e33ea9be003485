#include "core/settings/main_window_settings.h"

#include "core/files/text_file.h"
#include "core/settings/record_format.h"
#include "core/settings/settings_line_file.h"

#include <QDir>

namespace tabulo {

namespace {

constexpr char barFileName[] = "Bar.ini";
constexpr char scrollFileName[] = "Scroll.ini";
constexpr char columnFileName[] = "Column.ini";
constexpr char launcherFileName[] = "TabuloStartForTOT.ini";

// No settings file of ours comes near these sizes; a bigger one is not ours
// and is left unread. LastFile.ini holds one path.
constexpr qint64 maxSettingsFileBytes = 1024 * 1024;
constexpr qint64 maxLastFileBytes = 64 * 1024;

const QStringList zeroOrOne = {QStringLiteral("0"), QStringLiteral("1")};

QString zeroOrOneWhen(bool one)
{
    return one ? QStringLiteral("1") : QStringLiteral("0");
}

QString lineFile(const QString &value)
{
    return value + QStringLiteral("\r\n");
}

std::optional<QString> textOf(const QList<MainWindowSettings::File> &files, const char *name)
{
    for (const auto &[fileName, text] : files) {
        if (fileName == QLatin1String(name))
            return text;
    }
    return std::nullopt;
}

std::optional<QString> lineIn(const QList<MainWindowSettings::File> &files, const char *name)
{
    const std::optional<QString> text = textOf(files, name);
    return text ? SettingsLineFile::parse(*text, zeroOrOne) : std::nullopt;
}

} // namespace

MainWindowSettings MainWindowSettings::parse(const QList<File> &files)
{
    MainWindowSettings settings;
    settings.lastFile = parseLastFile(textOf(files, lastFileName).value_or(QString()));
    settings.toolbarShown = lineIn(files, barFileName) == QLatin1String("0");
    if (lineIn(files, scrollFileName) == QLatin1String("1"))
        settings.scrolling = Scrolling::Wrapped;
    settings.runningTotalsShown = lineIn(files, columnFileName) == QLatin1String("1");
    settings.placement = WindowPlacement::parse(textOf(files, placementFileName).value_or(QString()));
    return settings;
}

QList<MainWindowSettings::File> MainWindowSettings::format() const
{
    return {
        // A path holding a comma or blanks at either end is quoted, as the
        // last folder is, so reading it back gives the whole path.
        {QLatin1String(lastFileName), lineFile(RecordFormat::formatLoneText(lastFile))},
        // The toolbar's file says whether it is hidden.
        {QLatin1String(barFileName), lineFile(zeroOrOneWhen(!toolbarShown))},
        {QLatin1String(scrollFileName), lineFile(zeroOrOneWhen(scrolling == Scrolling::Wrapped))},
        {QLatin1String(columnFileName), lineFile(zeroOrOneWhen(runningTotalsShown))},
        {QLatin1String(placementFileName), lineFile(placement.format())},
        {QLatin1String(launcherFileName),
            lineFile(RecordFormat::formatRecord({totalAtTop ? QStringLiteral("1") : QStringLiteral("2")}))},
    };
}

MainWindowSettings MainWindowSettings::read(const QString &dataFolder)
{
    QList<File> files;
    for (const char *name : {lastFileName, barFileName, scrollFileName, columnFileName, placementFileName}) {
        const qint64 limit = qstrcmp(name, lastFileName) == 0 ? maxLastFileBytes : maxSettingsFileBytes;
        if (const auto text = readTextFile(dataFolder + QLatin1Char('/') + QLatin1String(name), nullptr, limit))
            files.append({QLatin1String(name), *text});
    }
    return parse(files);
}

QList<MainWindowSettings::WriteProblem> MainWindowSettings::write(const QString &dataFolder) const
{
    QDir().mkpath(dataFolder);
    QList<WriteProblem> problems;
    for (const auto &[name, text] : format()) {
        const QString path = dataFolder + QLatin1Char('/') + name;
        const FileResult written = writeFileAtomically(path, text);
        if (!written.ok)
            problems.append({path, written});
    }
    return problems;
}

QString MainWindowSettings::parseLastFile(QStringView fileText)
{
    qsizetype lineEnd = 0;
    while (lineEnd < fileText.size() && fileText[lineEnd] != u'\r' && fileText[lineEnd] != u'\n')
        ++lineEnd;
    return RecordFormat::parseRecord(fileText.first(lineEnd)).value(0);
}

QString MainWindowSettings::readLastFile(const QString &dataFolder)
{
    const auto text
        = readTextFile(dataFolder + QLatin1Char('/') + QLatin1String(lastFileName), nullptr, maxLastFileBytes);
    return text ? parseLastFile(*text) : QString();
}

} // namespace tabulo
