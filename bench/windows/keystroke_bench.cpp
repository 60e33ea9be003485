// How long one keystroke takes in a big note, in the real window: the key
// goes through the editor widget, the change handling, the history, the
// working files, both totals (exact decimals) and the status bar, and the
// editor repaints. Keys are typed near the start, in the middle and near
// the end of the note, since a cost that grows with the lines below the
// edit shows only at the start.
//
//   bench_keystroke [--lines N] [--keys K] [--column] [--wrap]
//   (defaults: a 1 MB note of 40,000 lines, then a 10 MB note of 400,000
//   lines, K = 100 keys in each place; --lines measures that one size;
//   --column shows the running totals column, --wrap types in the wrapping
//   editor). Targets: median CPU time under 2 ms a key in 1 MB, under 4 ms
//   in 10 MB.

#include "bench/windows/bench_support.h"
#include "windows/main/controls/note_editor.h"
#include "windows/main/controls/running_total_column.h"
#include "windows/main/controls/total_box.h"
#include "windows/main/form1.h"
#include "windows/main/parts/note_view.h"
#include "windows/main/parts/running_total_columns.h"
#include "windows/main/parts/start_up.h"

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTextCursor>

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <vector>

using namespace tabulo::bench;

namespace {

const char *editorName(const tabulo::Form1 &window)
{
    return window.visibleEditor() == window.text1() ? "Text1" : "Editor2";
}

struct Place
{
    const char *name;
    double from; // where in the note, as a fraction of its lines
    double to;
};

const Place places[] = {{"start", 0.0, 0.01}, {"middle", 0.495, 0.505}, {"end", 0.99, 1.0}};

// Types `keys` keys (digits, every third a backspace, every tenth Enter) in
// the middle of lines between `place.from` and `place.to` of the note;
// prints the medians.
void typeAt(tabulo::Form1 &window, tabulo::NoteEditor *editor, const Place &place, int keys, double targetMs)
{
    QTextDocument *document = editor->document();
    const int blocks = document->blockCount();
    const int first = int(place.from * blocks);
    const int span = std::max(1, int(place.to * blocks) - first);
    std::vector<double> ms, cpuMs;
    QElapsedTimer clock;
    for (int k = 0; k < keys; ++k) {
        const QTextBlock block = document->findBlockByNumber(std::min(blocks - 1, first + (k * 7919) % span));
        QTextCursor caret(block);
        caret.movePosition(QTextCursor::Right, QTextCursor::MoveAnchor, block.length() / 2);
        editor->setTextCursor(caret);
        const double cpuBefore = threadCpuMs();
        clock.start();
        QTest::keyClick(editor, k % 10 == 4 ? Qt::Key_Return : k % 3 == 0 ? Qt::Key_Backspace : Qt::Key_5);
        // The column paints when the window does: count that painting too.
        QApplication::sendPostedEvents();
        editor->viewport()->repaint();
        if (QWidget *columnWidget = window.runningTotals().column(editor); columnWidget && columnWidget->isVisible())
            columnWidget->repaint();
        ms.push_back(double(clock.nsecsElapsed()) / 1e6);
        cpuMs.push_back(threadCpuMs() - cpuBefore);
    }
    std::printf("  %-6s CPU median %5.2f ms, 95th percentile %5.2f ms (target: median under %.0f ms); "
                "wall clock median %5.2f ms\n",
        place.name, percentile(cpuMs, 0.5), percentile(cpuMs, 0.95), targetMs, percentile(ms, 0.5));
}

} // namespace

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QStringList args = app.arguments();
    const int keys = std::max(1, option(args, QStringLiteral("--keys"), 100));
    std::vector<int> sizes {40000, 400000};
    if (args.contains(QStringLiteral("--lines")))
        sizes = {std::max(1, option(args, QStringLiteral("--lines"), 40000))};

    QTemporaryDir programFolder;
    QDir(programFolder.path()).mkpath(QStringLiteral("Data"));
    tabulo::ProgramContext context;
    context.programFolder = programFolder.path();
    context.locale = QLocale(QLocale::English, QLocale::UnitedStates);
    tabulo::Form1 window(context);
    window.show();
    (void)QTest::qWaitFor([&] { return !window.startUp().isStarting(); }, 5000);
    const bool column = args.contains(QStringLiteral("--column"));
    if (column)
        window.action(QStringLiteral("ColonnaTotaliX"))->trigger();
    if (args.contains(QStringLiteral("--wrap")))
        window.action(QStringLiteral("SoloVerticaleX"))->trigger();

    for (const int lines : sizes) {
        const QString note = bigNote(lines);
        window.setNoteText(note);
        window.noteView().scheduleHistoryReset();
        (void)QTest::qWaitFor([&] { return !window.noteView().historyResetPending(); }, 5000);
        const double megabytes = double(note.size()) / (1024 * 1024);
        std::printf("note: %d lines, %.2f MB of text, %s editor, running totals column %s, %d keys a place\n", lines,
            megabytes, editorName(window), column ? "on" : "off", keys);
        tabulo::NoteEditor *editor = window.visibleEditor();
        for (const Place &place : places)
            typeAt(window, editor, place, keys, megabytes <= 2 ? 2 : 4);
        std::printf("  total shown: %s\n", qPrintable(window.text2()->text()));
    }
    std::printf("history: %.2f MB stored\n", double(window.history().storedBytes()) / (1024 * 1024));
    return 0;
}
