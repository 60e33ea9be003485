// How long choosing a theme takes in the real window: writing Theme.ini,
// listing the theme folder, reading the theme file, and putting colours,
// fonts and the caret on the editors, the totals and the bands, with a note
// in the editor that the new fonts lay out again.
//
//   bench_theme [--lines N] [--choices K]    (defaults: 2000 lines, 200 choices)
//
// It cycles through the themes shipped in the Data folder.

#include "bench/windows/bench_support.h"
#include "core/theme/theme_folder.h"
#include "ui/theme/theme_menu.h"
#include "windows/main/form1.h"
#include "windows/main/parts/main_window_theme.h"
#include "windows/main/parts/start_up.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <vector>

using namespace tabulo::bench;

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QStringList args = app.arguments();
    const int lines = option(args, QStringLiteral("--lines"), 2000);
    const int choices = std::max(1, option(args, QStringLiteral("--choices"), 200));

    QTemporaryDir programFolder;
    const QDir shipped(QStringLiteral(TABULO_SOURCE_DATA "/Theme"));
    QDir(programFolder.path()).mkpath(QStringLiteral("Data/Theme"));
    for (const QString &file : shipped.entryList({QStringLiteral("*.ini")}, QDir::Files))
        QFile::copy(shipped.filePath(file), programFolder.filePath(QStringLiteral("Data/Theme/") + file));

    tabulo::ProgramContext context;
    context.programFolder = programFolder.path();
    context.locale = QLocale(QLocale::English, QLocale::UnitedStates);
    tabulo::Form1 window(context);
    window.show();
    (void)QTest::qWaitFor([&] { return !window.startUp().isStarting(); }, 5000);

    QString note;
    for (int i = 0; i < lines; ++i)
        note += i % 3 ? QStringLiteral("+%1 groceries\r\n").arg(i % 97) : QStringLiteral("-%1 rent\r\n").arg(i % 89);
    window.setNoteText(note);
    QCoreApplication::processEvents();

    const QList<QAction *> items = window.theme().themes()->items();
    if (items.size() < 2) {
        std::fprintf(stderr, "bench_theme: fewer than two themes in %s\n", qPrintable(shipped.path()));
        return 1;
    }
    std::printf("note: %d lines; %lld themes\n", lines, qlonglong(items.size()));

    std::vector<double> ms, cpuMs;
    QElapsedTimer clock;
    for (int k = 0; k < choices; ++k) {
        QAction *item = window.theme().themes()->items().at(k % items.size());
        const double cpuBefore = threadCpuMs();
        clock.start();
        item->trigger();
        // The new look is drawn before the choice counts as done.
        window.repaint();
        ms.push_back(double(clock.nsecsElapsed()) / 1e6);
        cpuMs.push_back(threadCpuMs() - cpuBefore);
    }
    // Remembering the choice writes Theme.ini safely: a new file synced to
    // the disk, then renamed over the old one. The disk's sync time is
    // shown apart from the work of applying the theme.
    const tabulo::ThemeFolder themes = window.theme().themes()->folder();
    std::vector<double> rememberMs;
    for (int k = 0; k < choices; ++k) {
        clock.start();
        (void)themes.rememberChoice(items.at(k % items.size())->text());
        rememberMs.push_back(double(clock.nsecsElapsed()) / 1e6);
    }
    std::printf("theme choice (wall clock): median %.2f ms, 95th percentile %.2f ms, max %.2f ms over %d choices\n",
        percentile(ms, 0.5), percentile(ms, 0.95), percentile(ms, 1.0), choices);
    std::printf("theme choice (CPU time):   median %.2f ms, 95th percentile %.2f ms (target: under 20 ms)\n",
        percentile(cpuMs, 0.5), percentile(cpuMs, 0.95));
    std::printf(
        "of which writing Theme.ini (wall clock, synced to disk): median %.2f ms\n", percentile(rememberMs, 0.5));
    std::printf("applying alone (wall clock, choice less the write): median about %.2f ms\n",
        std::max(0.0, percentile(ms, 0.5) - percentile(rememberMs, 0.5)));
    return 0;
}
