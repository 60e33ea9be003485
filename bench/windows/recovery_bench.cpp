// What keeping the recovery copy of a big note costs while the user types.
// The copy is written when the typing pauses, on a thread of its own: this
// measures how long that write takes (encoding, writing, flushing to the
// disk), what the pause costs the window's own thread, and how long keys
// take that are typed while the write is still going on, against keys typed
// with no write at all.
//
//   bench_recovery [--lines N] [--keys K] [--runs R]
//   (defaults: a 10 MB note of 400,000 lines, K = 20 keys, R = 5 writes).
//   Target: no key typed during a write takes visibly longer (well under
//   the 100 ms a user notices) than a key typed without one.

#include "bench/windows/bench_support.h"
#include "core/recovery/recovery_copy.h"
#include "core/recovery/recovery_folder.h"
#include "core/recovery/recovery_writer.h"
#include "core/session/note_session.h"
#include "windows/main/controls/note_editor.h"
#include "windows/main/form1.h"
#include "windows/main/parts/note_recovery.h"
#include "windows/main/parts/note_view.h"
#include "windows/main/parts/start_up.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QTextCursor>

#include <cstdio>
#include <vector>

using namespace tabulo::bench;

namespace {

double msSince(const QElapsedTimer &clock)
{
    return double(clock.nsecsElapsed()) / 1e6;
}

// The write alone, as the writer's thread does it.
void measureTheWrite(const QString &note, const QString &folder, int runs)
{
    std::vector<double> formatMs, writeMs;
    const QString path = folder + QStringLiteral("/bench.note");
    for (int run = 0; run < runs; ++run) {
        QElapsedTimer clock;
        clock.start();
        const QByteArray bytes = tabulo::RecoveryCopy {QStringLiteral("/notes/big.txt"), note}.format();
        formatMs.push_back(msSince(clock));
        clock.start();
        if (!tabulo::writeRecoveryCopy(path, bytes).ok)
            std::printf("  the copy could not be written to %s\n", qPrintable(path));
        writeMs.push_back(msSince(clock));
    }
    QFile::remove(path);
    std::printf("  writing the copy (its own thread): encoding median %.1f ms, writing and flushing to the disk "
                "median %.1f ms, slowest %.1f ms\n",
        percentile(formatMs, 0.5), percentile(writeMs, 0.5), percentile(writeMs, 1.0));

    // What the window's thread does at the pause: hand the text over.
    tabulo::RecoveryWriter writer(path);
    std::vector<double> handOverUs;
    for (int run = 0; run < runs; ++run) {
        QElapsedTimer clock;
        clock.start();
        writer.write({QStringLiteral("/notes/big.txt"), note});
        handOverUs.push_back(double(clock.nsecsElapsed()) / 1e3);
        writer.finish();
    }
    std::printf("  handing the copy to that thread (the window's thread, at the pause): median %.1f us\n",
        percentile(handOverUs, 0.5));
    writer.remove();
    writer.finish();
}

// Keys typed in the middle of the note: their wall-clock times.
std::vector<double> typeKeys(tabulo::NoteEditor *editor, int keys)
{
    std::vector<double> ms;
    QTextCursor caret(editor->document());
    caret.setPosition(editor->document()->characterCount() / 2);
    editor->setTextCursor(caret);
    for (int k = 0; k < keys; ++k) {
        QElapsedTimer clock;
        clock.start();
        QTest::keyClick(editor, k % 2 ? Qt::Key_Backspace : Qt::Key_5);
        QApplication::sendPostedEvents();
        editor->viewport()->repaint();
        ms.push_back(msSince(clock));
    }
    return ms;
}

} // namespace

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QStringList args = app.arguments();
    const int lines = std::max(1, option(args, QStringLiteral("--lines"), 400000));
    const int keys = std::max(2, option(args, QStringLiteral("--keys"), 20));
    const int runs = std::max(1, option(args, QStringLiteral("--runs"), 5));

    QTemporaryDir programFolder;
    QDir(programFolder.path()).mkpath(QStringLiteral("Data"));
    AnsweringPrompts prompts;
    tabulo::ProgramContext context;
    context.programFolder = programFolder.path();
    context.locale = QLocale(QLocale::English, QLocale::UnitedStates);
    context.prompts = &prompts;
    tabulo::Form1 window(context);
    window.show();
    (void)QTest::qWaitFor([&] { return !window.startUp().isStarting(); }, 5000);

    const QString note = bigNote(lines);
    std::printf("note: %d lines, %.2f MB of text\n", lines, double(note.size()) / (1024 * 1024));
    measureTheWrite(note, context.dataFolder(), runs);

    window.session().loadText(note, QStringLiteral("/notes/big.txt"));
    tabulo::NoteEditor *editor = window.visibleEditor();
    tabulo::NoteSession &session = window.session();

    // Without a write: the copy already holds what the keys leave.
    std::vector<double> quiet, quietFirstKeys;
    for (int run = 0; run < runs; ++run) {
        const std::vector<double> ms = typeKeys(editor, keys);
        quietFirstKeys.push_back(ms.front());
        quiet.insert(quiet.end(), ms.begin() + 1, ms.end());
        (void)QTest::qWaitFor([&] { return !window.recovery().ownCopyPath().isEmpty(); }, 2000);
        QTest::qWait(400); // the pause, and its write
        window.recovery().finishWriting();
    }
    // Right after the pause has handed the copy over: the write is going on.
    std::vector<double> during, firstKeys;
    int pauses = 0;
    for (int run = 0; run < runs; ++run) {
        typeKeys(editor, 1);
        bool paused = false;
        const auto connection = QObject::connect(&session, &tabulo::NoteSession::editingPaused, [&] { paused = true; });
        (void)QTest::qWaitFor([&] { return paused; }, 2000);
        QObject::disconnect(connection);
        pauses += paused;
        const std::vector<double> ms = typeKeys(editor, keys);
        firstKeys.push_back(ms.front());
        during.insert(during.end(), ms.begin() + 1, ms.end());
        window.recovery().finishWriting();
    }
    std::printf("  with no write going on: the first key median %.2f ms, slowest %.2f ms; the keys after it "
                "median %.2f ms, slowest %.2f ms\n",
        percentile(quietFirstKeys, 0.5), percentile(quietFirstKeys, 1.0), percentile(quiet, 0.5),
        percentile(quiet, 1.0));
    // The first key after the pause changes a text the writer may still be
    // reading: that key copies the note before changing it.
    std::printf("  the first key after each pause (%d pauses): median %.2f ms, slowest %.2f ms\n", pauses,
        percentile(firstKeys, 0.5), percentile(firstKeys, 1.0));
    std::printf("  the keys after it, while the copy is written: median %.2f ms, slowest %.2f ms "
                "(target: no visible delay, well under 100 ms)\n",
        percentile(during, 0.5), percentile(during, 1.0));
    const bool kept = QFile::exists(window.recovery().ownCopyPath());
    std::printf("  copy kept: %s\n", kept ? "yes" : "NO");
    return kept ? 0 : 1;
}
