// How long switching the interface language takes in the real main window
// with a big hand-grown Language.ini: reading the files, rebuilding the
// "Lingua" menu and putting every text of the window in place.
//
//   bench_language [--lines N] [--runs R]      (defaults: 100000 lines, 20 runs)

#include "core/language/language_file.h"
#include "windows/main/form1.h"
#include "windows/main/parts/main_window_language.h"
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

namespace {

int option(const QStringList &args, const QString &name, int fallback)
{
    const int at = int(args.indexOf(name));
    return at >= 0 && at + 1 < args.size() ? args[at + 1].toInt() : fallback;
}

const QStringList languages = {
    "English", "Deutsch", "Français", "Español", "Português", "Nederlands", "Svenska", "Polski", "Čeština", "Italiano"};

// Ten languages, every key many times over (the later lines win), with the
// comments and section lines a translator leaves behind.
QByteArray bigLanguageFile(int lines)
{
    QString text;
    text.reserve(qsizetype(lines) * 40);
    for (int i = 0; i < lines; ++i) {
        if (i % 47 == 0)
            text += QStringLiteral("[%1]\r\n").arg(languages[(i / 47) % languages.size()]);
        else if (i % 47 == 1)
            text += QStringLiteral("# revised texts, round %1\r\n").arg(i / 47);
        else
            text += QStringLiteral("%1_%2 = Text %3 of key %2\r\n")
                        .arg(languages[i % languages.size()])
                        .arg((i / languages.size()) % 120)
                        .arg(i);
    }
    return text.toUtf8();
}

// CPU time of this thread: unlike the wall clock it does not count the time
// other processes of a busy machine take from us, nor waiting for the disk.
double threadCpuMs()
{
    timespec now {};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return double(now.tv_sec) * 1e3 + double(now.tv_nsec) / 1e6;
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size();
}

} // namespace

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QStringList args = app.arguments();
    const int lines = std::max(1, option(args, QStringLiteral("--lines"), 100000));
    const int runs = std::max(1, option(args, QStringLiteral("--runs"), 20));

    QTemporaryDir programFolder;
    const QString data = programFolder.filePath(QStringLiteral("Data"));
    QDir().mkpath(data + QStringLiteral("/Lang"));
    const QByteArray file = bigLanguageFile(lines);
    bool written = writeFile(data + QStringLiteral("/Language.ini"), file);
    for (const QString &language : languages)
        written = written && writeFile(data + QStringLiteral("/Lang/") + language, language.toUtf8() + "\r\n");
    if (!written) {
        std::fprintf(stderr, "could not write the language files into %s\n", qPrintable(data));
        return 1;
    }
    std::printf("Language.ini: %d lines, %.2f MB\n", lines, double(file.size()) / (1024 * 1024));

    tabulo::ProgramContext context;
    context.programFolder = programFolder.path();
    context.locale = QLocale(QLocale::English, QLocale::UnitedStates);
    tabulo::Form1 window(context);
    window.show();
    (void)QTest::qWaitFor([&] { return !window.startUp().isStarting(); }, 5000);

    std::vector<double> parseMs, loaderMs, loaderCpuMs, switchMs, switchCpuMs;
    QElapsedTimer clock;
    const QString text = QString::fromUtf8(file);
    for (int run = 0; run < runs; ++run) {
        clock.start();
        const auto texts = tabulo::parseLanguageTexts(text, u"English");
        parseMs.push_back(double(clock.nsecsElapsed()) / 1e6);
        if (texts.isEmpty())
            return 1;

        // The loader alone, as start-up runs it: files, menu, every key.
        double cpuBefore = threadCpuMs();
        clock.start();
        window.language().applyLanguage();
        loaderMs.push_back(double(clock.nsecsElapsed()) / 1e6);
        loaderCpuMs.push_back(threadCpuMs() - cpuBefore);

        // A choice from the menu: the loader plus rewriting Lang.ini.
        // Alternate between two languages, as a user trying them would.
        const QString item = QStringLiteral("LanguageChoiseX(%1)").arg(run % 2);
        cpuBefore = threadCpuMs();
        clock.start();
        window.action(item)->trigger();
        switchMs.push_back(double(clock.nsecsElapsed()) / 1e6);
        switchCpuMs.push_back(threadCpuMs() - cpuBefore);
    }
    std::printf("over %d runs:\n", runs);
    std::printf("parsing the file alone:               median %.2f ms\n", median(parseMs));
    std::printf("applying the language to the window:  median %.2f ms (CPU %.2f ms), slowest %.2f ms "
                "(target: under 50 ms)\n",
        median(loaderMs), median(loaderCpuMs), *std::max_element(loaderMs.begin(), loaderMs.end()));
    std::printf("choosing from the menu (+ Lang.ini): median %.2f ms (CPU %.2f ms), slowest %.2f ms\n",
        median(switchMs), median(switchCpuMs), *std::max_element(switchMs.begin(), switchMs.end()));
    std::printf("now showing: %s\n", qPrintable(window.action(QStringLiteral("QuitX"))->text()));
    return 0;
}
