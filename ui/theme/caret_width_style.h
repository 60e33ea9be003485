#pragma once

#include <QProxyStyle>

namespace tabulo {

// One-line boxes take their caret width from the style, not from a
// property as the editors do: this style gives them the theme's.
class CaretWidthStyle : public QProxyStyle
{
    Q_OBJECT
public:
    explicit CaretWidthStyle(QObject *owner);

    void setCaretWidth(int pixels) { m_caretWidth = pixels; }
    int caretWidth() const { return m_caretWidth; }

    int pixelMetric(
        PixelMetric metric, const QStyleOption *option = nullptr, const QWidget *widget = nullptr) const override;

private:
    int m_caretWidth = 1;
};

} // namespace tabulo
