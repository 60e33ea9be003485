#pragma once

#include "core/theme/theme.h"

#include <QPointer>

class QLineEdit;
class QPlainTextEdit;
class QWidget;

namespace tabulo {

class CaretWidthStyle;

// The parts of the main window a theme colours.
struct ThemeTargets
{
    QWidget *window = nullptr; // the surface behind the controls
    QPlainTextEdit *text1 = nullptr;
    QPlainTextEdit *editor2 = nullptr;
    QLineEdit *text2 = nullptr;
    QLineEdit *text3 = nullptr;
    QWidget *picture1 = nullptr; // the band of `Text2` (of both totals when they share it)
    QWidget *picture2 = nullptr; // the band of `Text3` when it has its own, else null
};

// Puts a theme on the main window's controls. Only what the theme sets
// changes; whatever it leaves out keeps its current look, the previous
// theme's included. The wrapping editor `Editor2` always follows `Text1`.
class ThemeApplier
{
public:
    explicit ThemeApplier(ThemeTargets targets);

    // Applies `changes` and returns the whole look now shown.
    const Theme &apply(const Theme &changes);
    const Theme &current() const { return m_current; }

    // The size "[T]" restores: the editor's, to the nearest whole point.
    qreal normalTextSize() const;
    // The caret drawn for the current `cursor_size`.
    int caretWidth() const;

private:
    void applyCaret();

    ThemeTargets m_targets;
    Theme m_current = Theme::design();
    QPointer<CaretWidthStyle> m_text2Caret;
    QPointer<CaretWidthStyle> m_text3Caret;
};

} // namespace tabulo
