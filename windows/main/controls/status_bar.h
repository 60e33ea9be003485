#pragma once

#include "core/settings/twips.h"

#include <QWidget>

#include <array>

class QLabel;
class QFrame;

namespace tabulo {

// The status bar (`Picture4`): six panels (`sbStatusBar(0)` to (5)) for the
// status word, the character count, the selection length, a spare panel,
// the date and the time; grey separator lines between them and a size grip
// (`Image2`) at the right end.
class StatusBar : public QWidget
{
    Q_OBJECT
public:
    static constexpr int panelCount = 6;
    static constexpr int heightTwips = 255;
    static constexpr std::array<int, panelCount> panelLeftTwips = {120, 1560, 3000, 4440, 6000, 7440};
    static constexpr std::array<int, 5> lineXTwips = {1440, 2880, 4320, 5880, 7320};

    explicit StatusBar(Twips twips, QWidget *parent = nullptr);

    QLabel *panel(int index) const { return m_panels[size_t(index)]; }
    QWidget *sizeGrip() const { return m_grip; }
    // Keeps the size grip at the right end (`Image2` left = width - its width - 10 twips).
    void placeSizeGrip();

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    Twips m_twips;
    std::array<QLabel *, panelCount> m_panels {};
    std::array<QFrame *, 5> m_lines {};
    QWidget *m_grip = nullptr;
};

} // namespace tabulo
