#include "windows/main/parts/running_total_columns.h"

#include "windows/main/controls/colour_number.h"
#include "windows/main/controls/note_editor.h"
#include "windows/main/controls/running_total_column.h"
#include "windows/main/menus/main_menus.h"
#include "windows/main/parts/total_colours.h"

namespace tabulo {

RunningTotalColumns::RunningTotalColumns(
    const NoteSession &session, NoteEditor *text1, NoteEditor *editor2, MainMenus &menus)
    : m_menus(menus)
    , m_editors {text1, editor2}
    , m_columns {new RunningTotalColumn(text1, session), new RunningTotalColumn(editor2, session)}
{
    // The item has already inverted its check mark when it is chosen.
    menus.onTriggered("ColonnaTotaliX", this, [this](bool checked) { setShown(checked); });
    setColours(TotalColours {});
}

void RunningTotalColumns::setShown(bool shown)
{
    m_shown = shown;
    m_menus.action(QStringLiteral("ColonnaTotaliX"))->setChecked(shown);
    for (RunningTotalColumn *column : m_columns)
        column->setOn(shown);
}

RunningTotalColumn *RunningTotalColumns::column(const NoteEditor *editor) const
{
    return editor == m_editors[0] ? m_columns[0] : editor == m_editors[1] ? m_columns[1] : nullptr;
}

void RunningTotalColumns::setColours(const TotalColours &colours)
{
    const QColor positive = colourFromNumberText(colours.fta_posi).value_or(QColor());
    const QColor negative = colourFromNumberText(colours.fta_nega).value_or(QColor());
    for (RunningTotalColumn *column : m_columns)
        column->setColours(positive, negative);
}

} // namespace tabulo
