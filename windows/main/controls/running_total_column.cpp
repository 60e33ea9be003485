#include "windows/main/controls/running_total_column.h"

#include "core/language/language_keys.h"
#include "core/session/note_session.h"
#include "windows/main/controls/note_editor.h"

#include <QEvent>
#include <QPainter>
#include <QTextBlock>
#include <QTextLayout>

#include <algorithm>

namespace tabulo {

namespace {

// Room for a value like "-1,234,567.89" before the column has to widen, and
// the gap either side of the numbers.
const QString typicalValue = QStringLiteral("-1,234,567.89");
constexpr int padding = 6;

} // namespace

RunningTotalColumn::RunningTotalColumn(NoteEditor *editor, const NoteSession &session)
    : QWidget(editor)
    , m_editor(editor)
    , m_session(session)
{
    setObjectName(QStringLiteral("RunningTotalColumn"));
    // The language tables give the name in the language in use.
    setAccessibleName(builtInLanguageText(LanguageKeys::lineTotalName));
    hide();
}

void RunningTotalColumn::setOn(bool on)
{
    if (on == m_on)
        return;
    m_on = on;
    for (const auto &connection : std::as_const(m_connections))
        disconnect(connection);
    m_connections.clear();
    if (!on) {
        m_editor->removeEventFilter(this);
        m_editor->setRightMargin(0);
        m_editor->setAccessibleDescription({});
        m_width = 0;
        hide();
        return;
    }
    m_width = widthFor(typicalValue);
    m_editor->setRightMargin(m_width);
    m_editor->installEventFilter(this);
    // Scrolling, typing and re-wrapping all end in an update request of the
    // editor's viewport; a change made by a command or Undo in the note's
    // totals.
    m_connections << connect(m_editor, &QPlainTextEdit::updateRequest, this, [this] { update(); });
    m_connections << connect(&m_session, &NoteSession::viewChanged, this, [this] {
        update();
        describeCaretLine();
    });
    m_connections << connect(m_editor, &QPlainTextEdit::cursorPositionChanged, this, [this] { describeCaretLine(); });
    placeBesideViewport();
    show();
    update();
    describeCaretLine();
}

void RunningTotalColumn::setColours(const QColor &positive, const QColor &negative)
{
    m_positive = positive;
    m_negative = negative;
    update();
}

QString RunningTotalColumn::valueText(int block) const
{
    const LineTotals &lines = m_session.lines();
    if (block < 0 || block >= lines.lineCount() || !lines.lineCounts(block))
        return {};
    return m_session.numberFormat().format(lines.totalAfterLine(block));
}

QString RunningTotalColumn::caretLineDescription() const
{
    const QString value = valueText(m_editor->textCursor().blockNumber());
    if (value.isEmpty() || accessibleName().isEmpty())
        return value;
    return accessibleName() + QStringLiteral(": ") + value;
}

void RunningTotalColumn::describeCaretLine()
{
    // Only a change is announced, so the same text is not set again.
    const QString description = caretLineDescription();
    if (m_editor->accessibleDescription() != description)
        m_editor->setAccessibleDescription(description);
}

int RunningTotalColumn::widthFor(const QString &value) const
{
    return QFontMetrics(m_editor->font()).horizontalAdvance(value) + 2 * padding;
}

void RunningTotalColumn::placeBesideViewport()
{
    const QRect viewport = m_editor->viewport()->geometry();
    setGeometry(viewport.right() + 1, viewport.top(), m_width, viewport.height());
}

bool RunningTotalColumn::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_editor && (event->type() == QEvent::Resize || event->type() == QEvent::FontChange))
        placeBesideViewport();
    return QWidget::eventFilter(watched, event);
}

void RunningTotalColumn::fitVisibleValues()
{
    int needed = m_width;
    const int bottom = m_editor->viewport()->height();
    for (QTextBlock block = m_editor->topVisibleBlock(); block.isValid(); block = block.next()) {
        if (m_editor->blockRect(block).top() > bottom)
            break;
        const QString value = valueText(block.blockNumber());
        if (!value.isEmpty())
            needed = std::max(needed, widthFor(value));
    }
    if (needed != m_width) {
        m_width = needed;
        m_editor->setRightMargin(m_width);
        placeBesideViewport();
    }
}

void RunningTotalColumn::paintEvent(QPaintEvent *)
{
    fitVisibleValues();
    QPainter painter(this);
    const QPalette &colours = m_editor->palette();
    painter.fillRect(rect(), colours.color(QPalette::Base));
    painter.setPen(colours.color(QPalette::Mid));
    painter.drawLine(0, 0, 0, height());
    painter.setFont(m_editor->font());

    // The editor's blocks and the note's lines are the same lines, except
    // for a moment while a hidden editor catches up: a block the note does
    // not hold shows nothing.
    const QColor textColour = colours.color(QPalette::Text);
    const int bottom = height();
    for (QTextBlock block = m_editor->topVisibleBlock(); block.isValid(); block = block.next()) {
        const QRectF area = m_editor->blockRect(block);
        if (area.top() > bottom)
            break;
        if (!block.isVisible())
            continue;
        const QString value = valueText(block.blockNumber());
        if (value.isEmpty())
            continue;
        // A wrapped line shows its value on its first row.
        qreal rowTop = area.top();
        qreal rowHeight = area.height();
        if (const QTextLayout *layout = block.layout(); layout && layout->lineCount() > 0) {
            rowTop += layout->lineAt(0).y();
            rowHeight = layout->lineAt(0).height();
        }
        const QRectF row(padding, rowTop, width() - 2 * padding, rowHeight);
        const QColor &signColour = value.startsWith(QLatin1Char('-')) ? m_negative : m_positive;
        painter.setPen(signColour.isValid() ? signColour : textColour);
        painter.drawText(row, Qt::AlignRight | Qt::AlignVCenter, value);
    }
}

} // namespace tabulo
