// How long "Esporta in HTML..." takes to build and write the page of a large
// note: converting the text (spaces, line ends, escaping) and replacing
// Output.htm in one step.
//
//   bench_export [--size-kb N] [--runs K]    (defaults: 1024 KB, 21 runs)
//
// Prints the median and the slowest run; the target is 200 ms for 1 MB.

#include "core/export/note_export.h"
#include "core/files/text_file.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QStringList>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

int option(const QStringList &args, const QString &name, int fallback)
{
    const int at = int(args.indexOf(name));
    return at >= 0 && at + 1 < args.size() ? args[at + 1].toInt() : fallback;
}

// A note as people write them: operator lines, comments with double spaces
// and the odd character the page must escape.
QString sampleNote(qsizetype bytes)
{
    const QStringList lines = {QStringLiteral("+1234.56"), QStringLiteral("-78  spesa  <cibo> & bevande"),
        QStringLiteral("*2"), QStringLiteral("'   commento   lungo"), QStringLiteral("/3")};
    QString note;
    note.reserve(bytes + 64);
    for (int i = 0; note.size() < bytes; ++i) {
        note += lines[i % lines.size()];
        note += QLatin1StringView("\r\n");
    }
    return note;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    const qsizetype bytes = qsizetype(std::max(1, option(args, QStringLiteral("--size-kb"), 1024))) * 1024;
    const int runs = std::max(1, option(args, QStringLiteral("--runs"), 21));

    QTemporaryDir folder;
    if (!folder.isValid()) {
        std::fprintf(stderr, "bench_export: no temporary folder\n");
        return 1;
    }
    const QString note = sampleNote(bytes);
    const QString path = folder.filePath(QStringLiteral("Output.htm"));
    const tabulo::PageStyle style {
        QStringLiteral("#FFFFFF"), QStringLiteral("#000000"), QStringLiteral("Courier New"), 12};

    std::vector<double> times;
    for (int run = 0; run < runs; ++run) {
        QElapsedTimer timer;
        timer.start();
        const tabulo::FileResult written = tabulo::writeFileAtomically(path, tabulo::htmlPage(note, style));
        times.push_back(double(timer.nsecsElapsed()) / 1e6);
        if (!written.ok) {
            std::fprintf(stderr, "bench_export: %s\n", qPrintable(written.error));
            return 1;
        }
    }
    std::sort(times.begin(), times.end());
    const double median = times[times.size() / 2];
    std::printf("HTML export of a %lld KB note: median %.1f ms, slowest %.1f ms over %d runs (target under 200 ms "
                "for 1024 KB)\n",
        static_cast<long long>(bytes / 1024), median, times.back(), runs);
    return 0;
}
