#include "ui/theme/caret_width_style.h"

namespace tabulo {

CaretWidthStyle::CaretWidthStyle(QObject *owner)
{
    setParent(owner);
}

int CaretWidthStyle::pixelMetric(PixelMetric metric, const QStyleOption *option, const QWidget *widget) const
{
    if (metric == PM_TextCursorWidth)
        return m_caretWidth;
    return QProxyStyle::pixelMetric(metric, option, widget);
}

} // namespace tabulo
