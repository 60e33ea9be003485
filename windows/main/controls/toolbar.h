#pragma once

#include "core/settings/twips.h"
#include <QLabel>

#include <QWidget>

#include <array>

namespace tabulo {

// The toolbar (`Picture3`): the picture of the 13 command icons (`Image1`)
// with a transparent click area (`tool(i)`) over each icon.
class Toolbar : public QWidget
{
    Q_OBJECT
public:
    static constexpr int toolCount = 13;
    // Left edges of the click areas, in twips.
    static constexpr std::array<int, toolCount> toolLeftTwips
        = {0, 353, 710, 1170, 1520, 1980, 2340, 2790, 3130, 3480, 3950, 4310, 4770};
    static constexpr int toolWidthTwips = 285;
    static constexpr int heightTwips = 375;
    // The icons' side: 16 pixels at 96 dpi, larger where the screen's
    // logical dpi is higher, like the cells around them.
    static constexpr int iconSideTwips = 240;

    explicit Toolbar(Twips twips, QWidget *parent = nullptr);

    QLabel *tool(int index) const { return m_tools[size_t(index)]; }

signals:
    void toolClicked(int index);

protected:
    void paintEvent(QPaintEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    Twips m_twips;
    std::array<QLabel *, toolCount> m_tools {};
};

} // namespace tabulo
