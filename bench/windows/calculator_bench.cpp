// The calculator's two costs the user feels: evaluating the input at each
// keystroke, and opening the window with a full history.
//
//   bench_calculator [--keys N] [--opens N]      (defaults: 400 keystrokes, 20 openings)

#include "script/calculator/calculator_evaluator.h"
#include "windows/calculator/form7.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

int option(const QStringList &args, const QString &name, int fallback)
{
    const int at = int(args.indexOf(name));
    return at >= 0 && at + 1 < args.size() ? args[at + 1].toInt() : fallback;
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values.empty() ? 0 : values[values.size() / 2];
}

// About 200 characters of the kind people type: functions, parentheses,
// decimals. A comma is a decimal point, so functions take one argument.
QString typicalInput()
{
    QString input;
    for (int i = 0; input.size() < 200; ++i)
        input += QStringLiteral("Int(Sqr(%1,5) * Abs(-%2)) + ").arg(i + 2).arg(i + 1);
    return input + QStringLiteral("Int(Log(1000))");
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    const QStringList args = app.arguments();
    const int keys = std::max(1, option(args, QStringLiteral("--keys"), 400));
    const int opens = std::max(1, option(args, QStringLiteral("--opens"), 20));

    tabulo::CalculatorEvaluator evaluator(QLocale(QLocale::Italian, QLocale::Italy));
    const QString input = typicalInput();
    std::vector<double> keystrokes;
    for (int i = 0; i < keys; ++i) {
        // Each keystroke evaluates a slightly different text, as typing does.
        const QString typed = input + QStringLiteral(" + ") + QString::number(i % 10);
        QElapsedTimer clock;
        clock.start();
        const auto result = evaluator.evaluate(tabulo::calculatorInput(typed));
        keystrokes.push_back(double(clock.nsecsElapsed()) / 1e6);
        if (!result) {
            std::fprintf(stderr, "the benchmark input did not evaluate: %s\n", qPrintable(typed));
            return 1;
        }
    }
    std::printf("keystroke evaluation, %d characters: median %.3f ms, worst %.3f ms (%d keys)\n", int(input.size()),
        median(keystrokes), *std::max_element(keystrokes.begin(), keystrokes.end()), keys);

    QTemporaryDir folder;
    QFile history(folder.filePath(QStringLiteral("History.ini")));
    if (!history.open(QIODevice::WriteOnly))
        return 1;
    for (int i = 0; i < 100; ++i)
        history.write(QStringLiteral("%1 * (1,5 + Sqr(%1))\r\n").arg(i).toUtf8());
    history.close();

    std::vector<double> openings;
    for (int i = 0; i < opens; ++i) {
        QElapsedTimer clock;
        clock.start();
        tabulo::Form7::Host host;
        host.dataFolder = folder.path();
        host.locale = QLocale(QLocale::Italian, QLocale::Italy);
        auto *calculator = new tabulo::Form7(std::move(host));
        calculator->show();
        QCoreApplication::processEvents();
        openings.push_back(double(clock.nsecsElapsed()) / 1e6);
        if (calculator->history().size() != 100) {
            std::fprintf(stderr, "the history did not load\n");
            return 1;
        }
        calculator->close();
        QCoreApplication::processEvents();
    }
    std::printf("opening with a 100-line history: median %.1f ms, worst %.1f ms (%d openings)\n", median(openings),
        *std::max_element(openings.begin(), openings.end()), opens);
    return 0;
}
