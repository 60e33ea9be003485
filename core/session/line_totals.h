#pragma once

#include "core/engine/line_engine.h"

#include <QStringView>
#include <QVarLengthArray>

#include <vector>

namespace tabulo {

// The note's lines with their counted operations and the running total
// after each line, kept up to date edit by edit.
//
// The total is a left fold over the lines, so an edit re-reads only the
// lines it touched and re-folds from the first of them with the operations
// already parsed; the fold stops early where the total entering the next
// untouched line is the same as before. The totals are exactly those of a
// full evaluation: the same operations are applied in the same order.
//
// The text's lines are separated by CR LF and by nothing else (the note
// session keeps it that way), so line i of the text is block i of the editor.
class LineTotals
{
public:
    explicit LineTotals(const LineEngine &engine) : m_engine(engine) { reset({}); }

    void reset(QStringView text);
    // `newText` is the text after [position, position + removedLength) of the
    // previous text became `insertedLength` characters.
    void update(QStringView newText, qsizetype position, qsizetype removedLength, qsizetype insertedLength);

    int lineCount() const { return int(m_starts.size()); }
    qsizetype lineStart(int line) const { return m_starts[size_t(line)]; }
    // The line that holds `position` (a position at a line's end belongs to it).
    int lineAt(qsizetype position) const;

    // The running total after the last counted line; 0 when none counts.
    double total() const { return m_lines.back().totalAfter; }
    qsizetype countedOperations() const { return m_counted; }
    bool lineCounts(int line) const { return !m_lines[size_t(line)].operations.isEmpty(); }
    double totalAfterLine(int line) const { return m_lines[size_t(line)].totalAfter; }

private:
    struct Line
    {
        double totalAfter = 0;
        QVarLengthArray<CountedOperation, 1> operations;

        Line() = default;
        Line(const Line &) = default;
        Line(Line &&) noexcept = default;
        Line &operator=(const Line &) = default;
        // Qt 6.4's move assignment of a QVarLengthArray that holds a heap
        // buffer onto one that holds another loses the latter (every edit
        // that moved lines of two or more operations leaked), so the target
        // first gives its buffer back.
        Line &operator=(Line &&other) noexcept
        {
            totalAfter = other.totalAfter;
            operations.clear();
            operations.squeeze();
            operations = std::move(other.operations);
            return *this;
        }
    };

    Line parse(QStringView line) const;
    // Appends the lines of `region` (CR LF separated) starting at `start`.
    void parseLines(QStringView region, qsizetype start, std::vector<qsizetype> &starts,
                    std::vector<Line> &lines) const;
    // Re-folds from line `first`; stops after line `stopCandidate` when the
    // total leaving it equals `previousTotal`.
    void refold(int first, int stopCandidate, double previousTotal);

    const LineEngine &m_engine;
    std::vector<qsizetype> m_starts; // where each line begins in the text
    std::vector<Line> m_lines;
    qsizetype m_counted = 0;
};

} // namespace tabulo
