#include "core/session/line_totals.h"

#include <algorithm>
#include <bit>
#include <cstdint>

namespace tabulo {

namespace {

// Totals are compared bit for bit: an infinite or undefined total entering
// a line must stop the re-fold only when it is the very same value.
bool sameTotal(double a, double b)
{
    return std::bit_cast<std::uint64_t>(a) == std::bit_cast<std::uint64_t>(b);
}

} // namespace

LineTotals::Line LineTotals::parse(QStringView line) const
{
    Line parsed;
    m_engine.forEachCountedOperation(line, [&](const CountedOperation &operation) {
        parsed.operations.append(operation);
    });
    return parsed;
}

void LineTotals::parseLines(QStringView region, qsizetype start, std::vector<qsizetype> &starts,
                            std::vector<Line> &lines) const
{
    qsizetype from = 0;
    for (;;) {
        const qsizetype lineEnd = region.indexOf(u"\r\n", from);
        const qsizetype end = lineEnd < 0 ? region.size() : lineEnd;
        starts.push_back(start + from);
        lines.push_back(parse(region.sliced(from, end - from)));
        if (lineEnd < 0)
            return;
        from = lineEnd + 2;
    }
}

void LineTotals::reset(QStringView text)
{
    m_starts.clear();
    m_lines.clear();
    parseLines(text, 0, m_starts, m_lines);
    m_counted = 0;
    for (const Line &line : m_lines)
        m_counted += line.operations.size();
    refold(0, -1, 0);
}

int LineTotals::lineAt(qsizetype position) const
{
    const auto after = std::upper_bound(m_starts.begin(), m_starts.end(), position);
    return int(after - m_starts.begin()) - 1;
}

void LineTotals::update(QStringView newText, qsizetype position, qsizetype removedLength,
                        qsizetype insertedLength)
{
    const int first = std::max(0, lineAt(position));
    const int last = std::max(first, lineAt(position + removedLength));
    const qsizetype oldTextLength = newText.size() - insertedLength + removedLength;
    const qsizetype oldLastEnd = last + 1 < lineCount() ? m_starts[size_t(last) + 1] - 2 : oldTextLength;
    const qsizetype delta = insertedLength - removedLength;
    const double totalLeavingOld = m_lines[size_t(last)].totalAfter;

    std::vector<qsizetype> starts;
    std::vector<Line> lines;
    const qsizetype regionStart = m_starts[size_t(first)];
    parseLines(newText.sliced(regionStart, oldLastEnd + delta - regionStart), regionStart, starts, lines);

    for (int i = first; i <= last; ++i)
        m_counted -= m_lines[size_t(i)].operations.size();
    for (const Line &line : lines)
        m_counted += line.operations.size();

    const auto replaced = std::ptrdiff_t(last - first + 1);
    if (delta != 0) {
        for (auto it = m_starts.begin() + last + 1; it != m_starts.end(); ++it)
            *it += delta;
    }
    m_starts.erase(m_starts.begin() + first, m_starts.begin() + first + replaced);
    m_starts.insert(m_starts.begin() + first, starts.begin(), starts.end());
    m_lines.erase(m_lines.begin() + first, m_lines.begin() + first + replaced);
    m_lines.insert(m_lines.begin() + first, std::make_move_iterator(lines.begin()),
                   std::make_move_iterator(lines.end()));

    refold(first, first + int(lines.size()) - 1, totalLeavingOld);
}

void LineTotals::refold(int first, int stopCandidate, double previousTotal)
{
    double total = first > 0 ? m_lines[size_t(first) - 1].totalAfter : 0;
    const int count = lineCount();
    for (int i = first; i < count; ++i) {
        Line &line = m_lines[size_t(i)];
        for (const CountedOperation &operation : line.operations)
            total = operation.applyTo(total);
        line.totalAfter = total;
        // Past the edited lines, the same total entering the rest of the note
        // gives the same totals as before.
        if (i == stopCandidate && sameTotal(total, previousTotal))
            return;
    }
}

} // namespace tabulo
