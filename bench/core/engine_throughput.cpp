// engine_throughput [--size-mb N]: how fast a large note adds up, against the
// floor of reading and converting that many numbers at all, which is
// awk '{s+=$1} END {print s}' over a file of the same numbers.
//
// The note has operator lines ("+1234.56 item 17") and every eighth line is
// free text; totals are exact decimals. Two times are ours: evaluating the
// note already in memory (the engine alone) and reading, decoding and
// evaluating the file (what awk does). Times are CPU times, ours and awk's,
// so that a busy machine does not blur the comparison; the best of a few
// runs is kept. Targets: the engine alone at most 0.5 times awk's time, the
// whole file at most 3 times.

#include "bench/core/bench_options.h"
#include "core/engine/line_engine.h"
#include "core/files/text_file.h"
#include "core/numbers/number_format.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <sys/resource.h>

#include <algorithm>
#include <cstdio>
#include <ctime>

namespace {

struct Inputs
{
    QByteArray note; // the note file's bytes
    QByteArray numbers; // the same numbers, one per line, for awk
    int numberLines = 0;
};

Inputs makeInputs(qint64 bytes)
{
    Inputs in;
    in.note.reserve(bytes + 64);
    QRandomGenerator random(12345);
    for (int line = 0; in.note.size() < bytes; ++line) {
        if (line % 8 == 7) {
            in.note += "free text about line " + QByteArray::number(line) + "\r\n";
            continue;
        }
        const bool minus = random.bounded(4) == 0;
        const QByteArray number
            = QByteArray::number(random.bounded(1000000)) + '.' + QByteArray::number(10 + random.bounded(90));
        in.note += (minus ? "-" : "+") + number + " item " + QByteArray::number(line % 97) + "\r\n";
        in.numbers += (minus ? "-" : "") + number + '\n';
        ++in.numberLines;
    }
    return in;
}

bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

double milliseconds(const timeval &t)
{
    return double(t.tv_sec) * 1e3 + double(t.tv_usec) / 1e3;
}

// CPU time of this thread, and of the finished child processes.
double ownCpuMs()
{
    timespec now {};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return double(now.tv_sec) * 1e3 + double(now.tv_nsec) / 1e6;
}

double childrenCpuMs()
{
    rusage usage {};
    getrusage(RUSAGE_CHILDREN, &usage);
    return milliseconds(usage.ru_utime) + milliseconds(usage.ru_stime);
}

// The best of a few runs: the machine is shared, and the minimum is the
// figure least disturbed by others.
template<typename Clock, typename Work> double bestMilliseconds(int runs, Clock &&clock, Work &&work)
{
    double best = 1e300;
    for (int i = 0; i < runs; ++i) {
        const double before = clock();
        work();
        best = std::min(best, clock() - before);
    }
    return best;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const double sizeMb = tabulo::bench::numberOption(app.arguments(), QStringLiteral("--size-mb"), 10);
    const int runs = 5;

    QTemporaryDir dir;
    const Inputs inputs = makeInputs(qint64(sizeMb * 1024 * 1024));
    const QString notePath = dir.filePath(QStringLiteral("note.txt"));
    const QString numbersPath = dir.filePath(QStringLiteral("numbers.txt"));
    if (!dir.isValid() || !writeFile(notePath, inputs.note) || !writeFile(numbersPath, inputs.numbers)) {
        std::fprintf(stderr, "engine_throughput: cannot write the input files\n");
        return 1;
    }

    const tabulo::NumberFormat format(QLocale(QLocale::English, QLocale::UnitedStates));
    const tabulo::LineEngine engine(format);
    const QString noteText = *tabulo::readTextFile(notePath);

    tabulo::Evaluation result;
    const double inMemoryMs = bestMilliseconds(runs, ownCpuMs, [&] { result = engine.evaluate(noteText); });
    const double fromFileMs = bestMilliseconds(runs, ownCpuMs, [&] {
        const auto text = tabulo::readTextFile(notePath);
        result = engine.evaluate(text.value_or(QString()));
    });

    QByteArray awkTotal;
    bool awkRan = true;
    const double awkMs = bestMilliseconds(runs, childrenCpuMs, [&] {
        QProcess awk;
        awk.start(QStringLiteral("awk"), {QStringLiteral("{s+=$1} END {printf \"%.2f\", s}"), numbersPath});
        awkRan = awk.waitForFinished(-1) && awk.exitStatus() == QProcess::NormalExit && awk.exitCode() == 0;
        awkTotal = awk.readAllStandardOutput();
    });

    std::printf("note: %.1f MB, %d lines with numbers (numbers file %.1f MB)\n", inputs.note.size() / 1048576.0,
        inputs.numberLines, inputs.numbers.size() / 1048576.0);
    std::printf("counted lines: %d, total %s (awk: %s)\n", result.countedLines, qPrintable(format.format(result.total)),
        awkRan ? awkTotal.constData() : "did not run");
    std::printf("engine alone, note in memory:  %8.1f ms CPU\n", inMemoryMs);
    std::printf("engine, read + decode + sum:   %8.1f ms CPU\n", fromFileMs);
    if (!awkRan) {
        std::printf("awk: not available, no ratio\n");
        return result.countedLines == inputs.numberLines ? 0 : 1;
    }
    std::printf("awk '{s+=$1}' over the numbers: %8.1f ms CPU\n", awkMs);
    std::printf("ratio (engine alone / awk):    %8.2f (target <= 0.5)\n", inMemoryMs / awkMs);
    std::printf("ratio (file / awk):            %8.2f (target <= 3)\n", fromFileMs / awkMs);
    // Every operator line must have counted, or the figures measure nothing.
    return result.countedLines == inputs.numberLines ? 0 : 1;
}
