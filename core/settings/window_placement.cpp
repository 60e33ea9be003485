#include "core/settings/window_placement.h"

#include "core/engine/note_lines.h"
#include "core/settings/record_format.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace tabulo {

WindowPlacement WindowPlacement::parse(QStringView fileText)
{
    WindowPlacement placement;
    forEachLine(fileText, [&](QStringView line) {
        const QStringList fields = RecordFormat::parseRecord(line);
        std::optional<double> *targets[] = {&placement.top, &placement.left, &placement.width, &placement.height};
        for (int i = 0; i < 4 && i < fields.size(); ++i) {
            // Stored as single precision; a number beyond its range is an
            // overflow, which leaves the value unset like any other bad field.
            const auto value = RecordFormat::toNumber(fields[i]);
            if (value && std::abs(*value) <= std::numeric_limits<float>::max())
                *targets[i] = float(*value);
        }
        if (fields.size() >= 5) {
            const auto state = RecordFormat::toNumber(fields[4]);
            if (state && (*state == 0 || *state == 1 || *state == 2))
                placement.state = int(*state);
        }
    });
    return placement;
}

QString WindowPlacement::format(double top, double left, double width, double height, int state)
{
    return RecordFormat::formatRecord({top, left, width, height, double(state)});
}

QString WindowPlacement::format() const
{
    return format(top.value_or(0), left.value_or(0), width.value_or(0), height.value_or(0), state.value_or(0));
}

WindowPlacement placementAtQuit(
    const QRect &frame, int state, Twips scale, const std::optional<RestoredPlacement> &restored)
{
    if (restored && restored->frame == frame) {
        const TwipsRect &t = restored->stored;
        return {t.top, t.left, t.width, t.height, state};
    }
    return {scale.fromPixels(frame.y()), scale.fromPixels(frame.x()), scale.fromPixels(frame.width()),
        scale.fromPixels(frame.height()), state};
}

QRect fitOnScreen(QRect wanted, const QRect &available, QSize minimum)
{
    if (available.isEmpty())
        return wanted;
    const int width = std::clamp(wanted.width(), std::min(minimum.width(), available.width()), available.width());
    const int height = std::clamp(wanted.height(), std::min(minimum.height(), available.height()), available.height());
    const int x = std::clamp(wanted.x(), available.left(), available.right() + 1 - width);
    const int y = std::clamp(wanted.y(), available.top(), available.bottom() + 1 - height);
    return {x, y, width, height};
}

} // namespace tabulo
