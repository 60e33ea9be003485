// find_bench [--size-mb N] [--matches N] [--carets N]: the cost of find and
// replace on large notes.
//
// Find next: a note of N MB (10 by default) searched from carets spread over
// the whole note, for a text that occurs once near the start (so most
// searches run to the end and wrap), ignoring case and matching case, and
// for a text that does not occur at all. Printed: the slowest and median
// search. The target is under 50 ms.
//
// Replace all: a 1 MB note with N occurrences (40,000 by default) replaced
// at once through the note session, which records the change in the history
// and evaluates the note. Printed: the time of the replacement alone and
// with the session's change. The target is under 300 ms.

#include "bench/core/bench_options.h"
#include "core/find/text_search.h"
#include "core/session/note_session.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QLocale>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <vector>

using namespace tabulo;

namespace {

QString noteOfLines(qsizetype characters, qsizetype lineCount, const QString &word)
{
    QString note;
    note.reserve(characters + 64);
    for (qsizetype line = 0; note.size() < characters || line < lineCount; ++line)
        note += QStringLiteral("+%1 %2 di ricambio nr\r\n")
                    .arg(line % 997)
                    .arg(line < lineCount ? word : QStringLiteral("cose"));
    return note;
}

double milliseconds(const QElapsedTimer &timer)
{
    return double(timer.nsecsElapsed()) / 1e6;
}

void benchFind(qsizetype size, int carets, const QString &label, const QString &searched, Qt::CaseSensitivity cs)
{
    QString note = noteOfLines(size, 0, QString());
    note.replace(30, searched.size(), searched.toUpper()); // the only occurrence, near the start, in upper case
    std::vector<double> times;
    qsizetype found = 0;
    for (int i = 0; i < carets; ++i) {
        const qsizetype caret = note.size() * i / std::max(1, carets - 1);
        QElapsedTimer timer;
        timer.start();
        found = findWithWrap(note, searched, caret + 1, cs);
        times.push_back(milliseconds(timer));
    }
    std::sort(times.begin(), times.end());
    std::printf("find next, %-28s %6.1f MB: median %7.2f ms, slowest %7.2f ms (found at %lld)\n", qPrintable(label),
        double(note.size()) / 1e6, times[times.size() / 2], times.back(), static_cast<long long>(found));
}

void benchReplaceAll(qsizetype size, qsizetype matches)
{
    QTemporaryDir data;
    NoteSession session(QLocale(QLocale::Italian, QLocale::Italy), data.path());
    session.loadText(noteOfLines(size, matches, QStringLiteral("pezzi")), QString());
    session.setText(session.text() + QStringLiteral("+1\r\n")); // a modified note, as an edited one is

    QElapsedTimer timer;
    timer.start();
    const ReplaceAllResult result
        = replaceAllOccurrences(session.text(), QStringLiteral("pezzi"), QStringLiteral("pz."));
    const double replacing = milliseconds(timer);
    session.replace(result.splice.position, result.splice.removedLength, result.splice.inserted);
    const double total = milliseconds(timer);
    std::printf("replace all, %lld matches in %.2f MB: replacing %.1f ms, with history and evaluation %.1f ms "
                "(total %s)\n",
        static_cast<long long>(result.count), double(session.text().size()) / 1e6, replacing, total,
        qPrintable(session.totX()));
    timer.restart();
    session.undo();
    std::printf("undo of the replace all: %.1f ms\n", milliseconds(timer));
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const QStringList arguments = app.arguments();
    const auto size = qsizetype(bench::numberOption(arguments, QStringLiteral("--size-mb"), 10) * 1e6);
    const auto matches = qsizetype(bench::numberOption(arguments, QStringLiteral("--matches"), 40000));
    const int carets = int(bench::numberOption(arguments, QStringLiteral("--carets"), 50));

    benchFind(size, carets, QStringLiteral("ignoring case"), QStringLiteral("zqw"), Qt::CaseInsensitive);
    benchFind(size, carets, QStringLiteral("matching case"), QStringLiteral("ZQW"), Qt::CaseSensitive);
    benchFind(size, carets, QStringLiteral("one letter, ignoring case"), QStringLiteral("q"), Qt::CaseInsensitive);
    benchReplaceAll(std::min<qsizetype>(size, 1000000), matches);
    return 0;
}
