// Time from starting the launcher to the chosen variant's window on screen.
//     bench_start_to_window [--runs N] [--dist DIR]
// Copies the staged program layout (DIR, by default the build's dist/) into a
// temporary folder and starts its Start N times; each variant quits by itself
// once shown and reports when its window was exposed. Run it on a real
// display (under Xvfb with a window manager, say) for figures that mean
// something; the offscreen platform only shows that it works. Target: 1 s.

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>

#include <algorithm>
#include <cstdio>

namespace {

bool copyTree(const QString &from, const QString &to)
{
    QDirIterator entries(from, QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden, QDirIterator::Subdirectories);
    while (entries.hasNext()) {
        const QFileInfo entry = entries.nextFileInfo();
        const QString target = to + QLatin1Char('/') + QDir(from).relativeFilePath(entry.filePath());
        if (entry.isDir() ? !QDir().mkpath(target) : !QFile::copy(entry.filePath(), target))
            return false;
    }
    return true;
}

// Milliseconds from starting Start to the window's first expose; -1 when no
// window was reported within half a minute.
qint64 oneRun(const QString &root)
{
    const QString report = root + QStringLiteral("/shown.report");
    QFile::remove(report);
    QProcess start;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("TABULO_QUIT_WHEN_SHOWN"), report);
    start.setProcessEnvironment(environment);
    start.setProcessChannelMode(QProcess::ForwardedChannels);
    const qint64 startedAt = QDateTime::currentMSecsSinceEpoch();
    start.start(root + QStringLiteral("/Start"), {});
    if (!start.waitForFinished(30'000) || start.exitCode() != 0)
        return -1;
    for (int waited = 0; waited < 30'000 && !QFile::exists(report); waited += 5)
        QThread::msleep(5);
    QFile file(report);
    if (!file.open(QIODevice::ReadOnly))
        return -1;
    const QByteArray firstLine = file.readLine().trimmed();
    if (!firstLine.startsWith("shown "))
        return -1;
    return firstLine.mid(6).toLongLong() - startedAt;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList arguments = app.arguments();
    const qsizetype runsAt = arguments.indexOf(QStringLiteral("--runs"));
    const int runs = runsAt >= 0 ? std::max(1, arguments.value(runsAt + 1).toInt()) : 5;
    const qsizetype distAt = arguments.indexOf(QStringLiteral("--dist"));
    const QString dist = distAt >= 0 ? arguments.value(distAt + 1) : QStringLiteral(TABULO_DIST_DIR);

    QTemporaryDir root;
    if (!copyTree(dist, root.path())) {
        std::fprintf(stderr, "cannot copy %s into %s\n", qPrintable(dist), qPrintable(root.path()));
        return 1;
    }
    QList<qint64> times;
    for (int run = 0; run < runs; ++run) {
        const qint64 ms = oneRun(root.path());
        if (ms < 0) {
            std::fprintf(stderr, "run %d: no window was shown\n", run + 1);
            return 1;
        }
        std::printf("run %d: %lld ms\n", run + 1, static_cast<long long>(ms));
        times << ms;
    }
    std::sort(times.begin(), times.end());
    std::printf("Start to window on screen: median %lld ms, worst %lld ms over %d runs (target: under 1000 ms)\n",
        static_cast<long long>(times[times.size() / 2]), static_cast<long long>(times.last()), runs);
    return 0;
}
