// How long one keystroke takes in a big note, in the real window: the key
// goes through the editor widget, the change handling, the history, the
// working files, both totals and the status bar.
//
//   bench_keystroke [--lines N] [--keys K] [--column] [--wrap]
//   (defaults: 40000 lines ~ 1 MB, 300 keys; --column shows the running totals
//   column, --wrap types in the wrapping editor)

#include "windows/main/form1.h"
#include "bench/windows/bench_support.h"
#include "windows/main/note_editor.h"
#include "windows/main/running_total_column.h"
#include "windows/main/total_box.h"

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTest>
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

} // namespace

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QStringList args = app.arguments();
    const int lines = option(args, QStringLiteral("--lines"), 40000);
    const int keys = std::max(1, option(args, QStringLiteral("--keys"), 300));

    QTemporaryDir programFolder;
    QDir(programFolder.path()).mkpath(QStringLiteral("Data"));
    tabulo::ProgramContext context;
    context.programFolder = programFolder.path();
    context.locale = QLocale(QLocale::English, QLocale::UnitedStates);
    tabulo::Form1 window(context);
    window.show();
    (void)QTest::qWaitFor([&] { return !window.Start.isActive(); }, 5000);
    const bool column = args.contains(QStringLiteral("--column"));
    if (column)
        window.action(QStringLiteral("ColonnaTotaliX"))->trigger();
    if (args.contains(QStringLiteral("--wrap")))
        window.action(QStringLiteral("SoloVerticaleX"))->trigger();

    const QString note = bigNote(lines);
    window.setNoteText(note);
    window.startResetModi();
    (void)QTest::qWaitFor([&] { return !window.resetModi.isActive(); }, 5000);
    std::printf("note: %d lines, %.2f MB of text, %s editor, running totals column %s\n", lines,
                double(note.size()) / (1024 * 1024), editorName(window), column ? "on" : "off");

    tabulo::NoteEditor *editor = window.visibleEditor();
    std::vector<double> ms, cpuMs;
    ms.reserve(size_t(keys));
    cpuMs.reserve(size_t(keys));
    QElapsedTimer clock;
    for (int k = 0; k < keys; ++k) {
        // Type at varied places: the middle of a line somewhere in the note.
        QTextCursor caret(editor->document());
        caret.setPosition(int((qint64(k) * 7919 * 26) % std::max<qint64>(1, editor->document()->characterCount() - 1)));
        editor->setTextCursor(caret);
        const double cpuBefore = threadCpuMs();
        clock.start();
        QTest::keyClick(editor, k % 3 == 0 ? Qt::Key_Backspace : Qt::Key_5);
        // The column paints when the window does: count that painting too.
        QApplication::sendPostedEvents();
        editor->viewport()->repaint();
        if (QWidget *columnWidget = window.runningTotalColumn(editor); columnWidget && columnWidget->isVisible())
            columnWidget->repaint();
        ms.push_back(double(clock.nsecsElapsed()) / 1e6);
        cpuMs.push_back(threadCpuMs() - cpuBefore);
    }
    std::printf("keystroke (wall clock): median %.2f ms, 95th percentile %.2f ms, max %.2f ms over %d keys\n",
                percentile(ms, 0.5), percentile(ms, 0.95), percentile(ms, 1.0), keys);
    std::printf("keystroke (CPU time):   median %.2f ms, 95th percentile %.2f ms (target: median under 10 ms)\n",
                percentile(cpuMs, 0.5), percentile(cpuMs, 0.95));
    std::printf("history: %.2f MB stored after %d recorded changes\n",
                double(window.history().storedBytes()) / (1024 * 1024), keys);
    std::printf("total shown: %s\n", qPrintable(window.text2()->text()));
    return 0;
}
