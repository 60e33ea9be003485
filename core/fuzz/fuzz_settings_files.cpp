// libFuzzer harness of the small settings files: any bytes as the text of a
// one-value-per-line file ("Bar.ini", "Theme.ini"), of the window placement
// file and of the last-folder file. Whatever they hold, a value read is one
// of the file's lines, a window placed from the file lies on the screen, and
// what the program writes back reads back as it was written.

#include "core/fuzz/fuzz_checks.h"
#include "core/note_dialogs/last_folder.h"
#include "core/settings/record_format.h"
#include "core/settings/settings_line_file.h"
#include "core/settings/window_placement.h"

#include <QRect>

#include <cmath>

using namespace tabulo;
using tabulo::fuzz::require;

namespace {

void checkLineFile(const QString &text)
{
    const QStringList values = {QStringLiteral("0"), QStringLiteral("1"), QStringLiteral("Scuro")};
    if (const auto chosen = SettingsLineFile::parse(text, values))
        require(values.contains(*chosen), "a value read is one of those asked for");
    if (const auto last = SettingsLineFile::parseLastLine(text)) {
        require(!last->isEmpty() && !fuzz::hasLineEnd(*last), "the last line is one whole line");
        require(text.contains(*last), "the last line comes from the file");
    }
}

// The outer rectangle, in pixels, that a stored value or the window's own
// frame gives, as the main window works it out.
QRect placedFrame(const WindowPlacement &placement, Twips twips, const QRect &available)
{
    const QRect current(100, 100, 640, 480);
    const auto pixels = [&](const std::optional<double> &stored, int fallback) {
        return stored ? twips.toPixels(*stored) : fallback;
    };
    const QRect wanted(pixels(placement.left, current.x()), pixels(placement.top, current.y()),
        pixels(placement.width, current.width()), pixels(placement.height, current.height()));
    return fitOnScreen(wanted, available);
}

void checkPlacement(const QString &text)
{
    const WindowPlacement placement = WindowPlacement::parse(text);
    for (const auto &value : {placement.top, placement.left, placement.width, placement.height})
        require(!value || std::isfinite(*value), "a stored number is finite");
    require(!placement.state || (*placement.state >= 0 && *placement.state <= 2), "the window state is 0, 1 or 2");

    const QRect screens[] = {{0, 0, 1920, 1080}, {-1280, -200, 1280, 1024}, {0, 0, 150, 90}};
    for (const Twips twips : {Twips {15.0}, Twips::forDpi(288), Twips::forDpi(0)}) {
        for (const QRect &available : screens) {
            const QRect frame = placedFrame(placement, twips, available);
            require(available.contains(frame), "the window lies on the screen");
            // Written at quit and read back at the next start: the same place.
            const QString record = placementAtQuit(frame, placement.state.value_or(0), twips, std::nullopt).format();
            const WindowPlacement again = WindowPlacement::parse(record);
            require(again.top && again.left && again.width && again.height, "a record written reads back whole");
            require(placedFrame(again, twips, available) == frame, "a placement written reads back in place");
        }
    }
}

void checkRecords(const QString &text)
{
    const QString firstLine = text.section(QLatin1Char('\n'), 0, 0).section(QLatin1Char('\r'), 0, 0);
    for (const QString &field : RecordFormat::parseRecord(firstLine)) {
        require(!fuzz::hasLineEnd(field), "a field holds no line end");
        if (const auto number = RecordFormat::toNumber(field)) {
            require(std::isfinite(*number), "a number read is finite");
            const auto again = RecordFormat::toNumber(RecordFormat::formatRecord({*number}));
            require(again == number, "a number written reads back exactly");
        }
    }
}

void checkLastFolder(const QString &text)
{
    const QString folder = LastFolder::parse(text);
    require(!fuzz::hasLineEnd(folder), "the folder is one line");
    // A folder named by any line of the file (short of one holding a double
    // quote, which the format cannot carry) is written and read back whole.
    const QString candidate = text.section(QLatin1Char('\n'), 0, 0).section(QLatin1Char('\r'), 0, 0);
    if (!candidate.isEmpty() && !candidate.contains(u'"'))
        require(LastFolder::parse(LastFolder::format(candidate) + QStringLiteral("\r\n")) == candidate,
            "a folder written reads back whole");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QString text = fuzz::fileTextOf(data, size);
    checkLineFile(text);
    checkPlacement(text);
    checkRecords(text);
    checkLastFolder(text);
    return 0;
}
