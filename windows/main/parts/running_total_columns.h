#pragma once

#include <QObject>

#include <array>

namespace tabulo {

class MainMenus;
class NoteEditor;
class NoteSession;
class RunningTotalColumn;
struct TotalColours;

// "Mostra Totali di Riga": the running totals column beside each editor,
// switched on and off together, in the colours of the note's total.
class RunningTotalColumns : public QObject
{
    Q_OBJECT
public:
    RunningTotalColumns(const NoteSession &session, NoteEditor *text1, NoteEditor *editor2, MainMenus &menus);

    void setShown(bool shown);
    bool isShown() const { return m_shown; }
    // The column beside `editor` (each editor has its own).
    RunningTotalColumn *column(const NoteEditor *editor) const;
    // The column shows running totals of the note, so it takes the colours
    // of the note's total box.
    void setColours(const TotalColours &colours);

private:
    MainMenus &m_menus;
    std::array<NoteEditor *, 2> m_editors;
    std::array<RunningTotalColumn *, 2> m_columns; // children of their editors
    bool m_shown = false;
};

} // namespace tabulo
