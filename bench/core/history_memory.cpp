// history_memory [--size-mb N] [--changes N]: what the undo history costs for
// a large note edited many times. A 1 MB note (about 40,000 lines) receives
// 10,000 recorded changes of one to three characters at places spread over
// the note; then Undo runs once and then all the way back.
//
// Printed: the bytes the history holds, the growth of the process's peak
// resident memory, the time per record, of one Undo and of undoing to the
// start. The target is under 64 MB.

#include "bench/core/bench_options.h"
#include "core/history/undo_history.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QRandomGenerator>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

// Peak resident memory of this process so far, in bytes (0 where unknown).
qint64 peakResidentBytes()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').value(0).toLongLong() * 1024;
    }
    return 0;
}

QString largeNote(qsizetype characters)
{
    QString note;
    note.reserve(characters + 64);
    for (int line = 0; note.size() < characters; ++line)
        note += QStringLiteral("+%1 item %2 of the list\r\n").arg(line % 997).arg(line);
    return note;
}

// One keystroke or a short paste somewhere in the note.
void editSomewhere(QRandomGenerator &random, QString &note)
{
    const qsizetype at = random.bounded(note.size());
    const int length = 1 + random.bounded(3);
    switch (random.bounded(3)) {
    case 0:
        note.insert(at, QStringLiteral("x7,").left(length));
        break;
    case 1:
        note.remove(at, length);
        break;
    default:
        note.replace(at, length, QStringLiteral("9+a").left(length));
        break;
    }
}

// The value below which `fraction` of the values lie (0.5: the median).
double percentile(std::vector<double> values, double fraction)
{
    if (values.empty())
        return 0;
    const auto at = values.begin() + qsizetype(fraction * double(values.size() - 1));
    std::nth_element(values.begin(), at, values.end());
    return *at;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const double sizeMb = tabulo::bench::numberOption(app.arguments(), QStringLiteral("--size-mb"), 1);
    const int changes = int(tabulo::bench::numberOption(app.arguments(), QStringLiteral("--changes"), 10000));

    const QString original = largeNote(qsizetype(sizeMb * 1024 * 1024));
    QString note = original;
    QRandomGenerator random(2026);
    const qint64 peakBefore = peakResidentBytes();

    tabulo::UndoHistory history;
    history.reset(note);
    std::vector<double> recordMs;
    recordMs.reserve(size_t(changes));
    for (int i = 0; i < changes; ++i) {
        editSomewhere(random, note);
        QElapsedTimer timer;
        timer.start();
        history.record(note);
        recordMs.push_back(timer.nsecsElapsed() / 1e6);
    }
    const qint64 peakAfter = peakResidentBytes();
    const size_t stored = history.storedBytes();

    QElapsedTimer timer;
    timer.start();
    const auto previous = history.undo();
    const double oneUndoMs = timer.nsecsElapsed() / 1e6;
    timer.restart();
    while (history.undo()) { }
    const double undoAllMs = timer.nsecsElapsed() / 1e6;
    const bool backAtStart = history.position() == 0 && history.entry(0) == original;

    double totalRecordMs = 0;
    for (double ms : recordMs)
        totalRecordMs += ms;
    std::printf("note: %lld characters, %lld lines; %d recorded changes\n", qlonglong(original.size()),
        qlonglong(original.count(QLatin1Char('\n'))), changes);
    std::printf("history holds:          %10.2f MB (%zu bytes; target < 64 MB)\n", stored / 1048576.0, stored);
    std::printf("peak RSS growth:        %10.2f MB\n", (peakAfter - peakBefore) / 1048576.0);
    std::printf("record, mean:           %10.3f ms\n", changes ? totalRecordMs / changes : 0.0);
    std::printf("record, median:         %10.3f ms\n", percentile(recordMs, 0.5));
    std::printf("record, 99th percentile:%10.3f ms\n", percentile(recordMs, 0.99));
    std::printf("record, slowest:        %10.3f ms\n",
        recordMs.empty() ? 0.0 : *std::max_element(recordMs.begin(), recordMs.end()));
    std::printf("one undo:               %10.3f ms\n", oneUndoMs);
    std::printf("undo back to the start: %10.1f ms (%d steps)\n", undoAllMs, changes > 0 ? changes - 1 : 0);
    if (!backAtStart || (changes > 0 && !previous)) {
        std::printf("FAILED: undoing everything did not bring back the original note\n");
        return 1;
    }
    return 0;
}
