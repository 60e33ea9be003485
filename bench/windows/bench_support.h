#pragma once

// What the window benchmarks share: their options, a big household note,
// the CPU time of the measuring thread and percentiles.

#include "ui/services/prompts.h"

#include <QString>
#include <QStringList>

#include <cstdio>

#include <algorithm>
#include <ctime>
#include <vector>

namespace tabulo::bench {

inline int option(const QStringList &args, const QString &name, int fallback)
{
    const int at = int(args.indexOf(name));
    return at >= 0 && at + 1 < args.size() ? args[at + 1].toInt() : fallback;
}

// About 26 characters a line: every tenth a comment, the others counted.
inline QString bigNote(int lines)
{
    QString note;
    note.reserve(qsizetype(lines) * 26);
    for (int i = 0; i < lines; ++i) {
        if (i % 10 == 0)
            note += QStringLiteral("# week %1 of the household book\r\n").arg(i / 10);
        else
            note += QStringLiteral("+%1.%2 groceries and more\r\n").arg(i % 97).arg(i % 100, 2, 10, QLatin1Char('0'));
    }
    return note;
}

// CPU time of this thread: unlike the wall clock it does not count the time
// other processes of a busy machine take from us.
inline double threadCpuMs()
{
    timespec now {};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return double(now.tv_sec) * 1e3 + double(now.tv_nsec) / 1e6;
}

inline double percentile(std::vector<double> values, double p)
{
    std::sort(values.begin(), values.end());
    const size_t at = std::min(values.size() - 1, size_t(p * double(values.size() - 1) + 0.5));
    return values[at];
}

// Answers every box at once: the sign question with "+", questions with No.
class AnsweringPrompts final : public Prompts
{
public:
    Answer askYesNoCancel(QWidget *, const QString &) override { return Answer::No; }
    Answer askYesNo(QWidget *, const QString &) override { return Answer::No; }
    void showInformation(QWidget *, const QString &) override { }
    void showWarning(QWidget *, const QString &text) override { std::printf("warning: %s\n", qPrintable(text)); }
    void showError(QWidget *, const QString &text) override { std::printf("error: %s\n", qPrintable(text)); }
    std::optional<QString> askText(QWidget *, const QString &, const QString &, const QString &) override
    {
        return QStringLiteral("+");
    }
    std::optional<QString> askSavePath(QWidget *, const QString &) override { return std::nullopt; }
    int askScriptMessage(QWidget *, const QString &, const QString &, int) override { return 1; }
};

} // namespace tabulo::bench
