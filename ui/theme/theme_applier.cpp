#include "ui/theme/theme_applier.h"

#include "ui/theme/caret_width_style.h"
#include "ui/theme/theme_colour.h"

#include <QLineEdit>
#include <QPlainTextEdit>

#include <cmath>

namespace tabulo {

namespace {

QFont::StyleHint styleHintFor(const QString &family, QFont::StyleHint current)
{
    switch (fontKindOf(family)) {
    case FontKind::Monospace:
        return QFont::TypeWriter;
    case FontKind::SansSerif:
        return QFont::SansSerif;
    case FontKind::Serif:
        return QFont::Serif;
    case FontKind::Unknown:
        break;
    }
    // A name that tells nothing keeps the kind the control had: a note
    // stays in a fixed-width face when its font is missing here.
    return current;
}

void applyFont(QWidget *widget, const std::optional<QString> &family, const std::optional<double> &size)
{
    if (!widget || (!family && !size))
        return;
    QFont font = widget->font();
    if (family) {
        const QFont::StyleHint hint = styleHintFor(*family, font.styleHint());
        font.setFamily(*family);
        font.setStyleHint(hint);
        font.setFixedPitch(hint == QFont::TypeWriter);
    }
    if (size)
        font.setPointSizeF(*size);
    // Setting an equal font still lays a big note out again; skip it.
    if (!(font == widget->font()) || font.styleHint() != widget->font().styleHint())
        widget->setFont(font);
}

void setColour(
    QWidget *widget, std::initializer_list<QPalette::ColorRole> roles, const std::optional<ColourNumber> &colour)
{
    if (!widget || !colour)
        return;
    QPalette palette = widget->palette();
    for (QPalette::ColorRole role : roles)
        palette.setColor(role, toQColor(*colour));
    widget->setPalette(palette);
}

void applyTotal(QLineEdit *box, QWidget *band, const Theme::Total &changes)
{
    setColour(box, {QPalette::Base, QPalette::Window}, changes.background);
    setColour(band, {QPalette::Window}, changes.background);
    setColour(box, {QPalette::Text}, changes.text);
    applyFont(box, changes.font, changes.size);
}

CaretWidthStyle *installCaretStyle(QLineEdit *box)
{
    if (!box)
        return nullptr;
    auto *style = new CaretWidthStyle(box);
    box->setStyle(style);
    return style;
}

} // namespace

ThemeApplier::ThemeApplier(ThemeTargets targets)
    : m_targets(targets)
{
    m_text2Caret = installCaretStyle(m_targets.text2);
    m_text3Caret = installCaretStyle(m_targets.text3);
    if (m_targets.window)
        m_targets.window->setAutoFillBackground(true);
    applyCaret();
}

const Theme &ThemeApplier::apply(const Theme &changes)
{
    const ThemeTargets &t = m_targets;

    applyTotal(t.text2, t.picture1, changes.fta);
    // With a band of its own the second total colours it; sharing the first
    // one's band it leaves that band alone.
    applyTotal(t.text3, t.picture2, changes.ftb);

    setColour(t.text1, {QPalette::Base}, changes.edt.background);
    setColour(t.window, {QPalette::Window}, changes.edt.background);
    setColour(t.text1, {QPalette::Text}, changes.edt.text);
    applyFont(t.text1, changes.edt.font, changes.edt.size);

    // The wrapping editor is the same note in another shape: it looks like
    // `Text1` whatever the theme set.
    if (t.text1 && t.editor2) {
        QPalette palette = t.editor2->palette();
        palette.setColor(QPalette::Base, t.text1->palette().color(QPalette::Base));
        palette.setColor(QPalette::Text, t.text1->palette().color(QPalette::Text));
        t.editor2->setPalette(palette);
        if (!(t.editor2->font() == t.text1->font()))
            t.editor2->setFont(t.text1->font());
    }

    m_current = m_current.overriddenBy(changes);
    applyCaret();
    return m_current;
}

qreal ThemeApplier::normalTextSize() const
{
    return m_targets.text1 ? std::round(m_targets.text1->font().pointSizeF()) : 12;
}

int ThemeApplier::caretWidth() const
{
    return caretWidthFor(m_current.cursor_size.value_or(1));
}

void ThemeApplier::applyCaret()
{
    const int width = caretWidth();
    for (QPlainTextEdit *editor : {m_targets.text1, m_targets.editor2}) {
        if (editor && editor->cursorWidth() != width)
            editor->setCursorWidth(width);
    }
    for (CaretWidthStyle *style : {m_text2Caret.data(), m_text3Caret.data()}) {
        if (style)
            style->setCaretWidth(width);
    }
    for (QLineEdit *box : {m_targets.text2, m_targets.text3}) {
        if (box)
            box->update();
    }
}

} // namespace tabulo
