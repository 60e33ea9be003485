#pragma once

#include <QProxyStyle>

namespace tabulo {

// The calculator's input shows a caret five pixels wide, easy to find in a
// field that is read at a glance. A one-line input takes its caret width from
// its style, so the field gets a style of its own that changes only that.
class WideCaretStyle final : public QProxyStyle
{
public:
    static constexpr int caretWidth = 5;

    int pixelMetric(
        PixelMetric metric, const QStyleOption *option = nullptr, const QWidget *widget = nullptr) const override
    {
        if (metric == PM_TextCursorWidth)
            return caretWidth;
        return QProxyStyle::pixelMetric(metric, option, widget);
    }
};

} // namespace tabulo
