#include "windows/main/form1.h"

#include "core/settings/settings_line_file.h"
#include "windows/main/colour_number.h"
#include "windows/main/note_editor.h"
#include "windows/main/running_total_column.h"

#include <QAction>

namespace tabulo {

// The running totals column: Form1 only creates the two columns, switches
// them with the menu item and hands them the theme's colours; the columns do
// the rest themselves.

void Form1::buildRunningTotalColumns()
{
    m_columns = {new RunningTotalColumn(m_text1, m_session), new RunningTotalColumn(m_editor2, m_session)};
    // Checking the item inverts its mark before this runs, as with the toolbar.
    connect(action(QStringLiteral("ColonnaTotaliX")), &QAction::triggered, this, &Form1::ColonnaTotaliX_Click);
    colourRunningTotalColumns();
}

RunningTotalColumn *Form1::runningTotalColumn(const NoteEditor *editor) const
{
    return editor == m_text1 ? m_columns[0] : editor == m_editor2 ? m_columns[1] : nullptr;
}

void Form1::ColonnaTotaliX_Click()
{
    const bool on = action(QStringLiteral("ColonnaTotaliX"))->isChecked();
    for (RunningTotalColumn *column : m_columns)
        column->setOn(on);
}

void Form1::LoadColumnSetting()
{
    // Off unless the file says "1": a first start shows the note alone.
    const auto line = SettingsLineFile::read(
        m_context.dataFile(QStringLiteral("Column.ini")), {QStringLiteral("0"), QStringLiteral("1")});
    action(QStringLiteral("ColonnaTotaliX"))->setChecked(line == QLatin1String("1"));
    ColonnaTotaliX_Click();
}

void Form1::colourRunningTotalColumns()
{
    // The column shows running totals of the note, so it takes the colours
    // of the note's total box.
    const QColor positive = colourFromNumberText(themeColours.fta_posi).value_or(QColor());
    const QColor negative = colourFromNumberText(themeColours.fta_nega).value_or(QColor());
    for (RunningTotalColumn *column : m_columns)
        column->setColours(positive, negative);
}

} // namespace tabulo
