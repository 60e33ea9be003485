// How long the note dialogs take to appear over a folder of many notes:
// from the command to the dialog painted with its file list, and one key
// typed into the open dialog's name filter.
//
//   bench_open_dialog [--notes N] [--runs R]      (defaults: 10000 notes, 5 runs; target: under 1 s)

#include "ui/services/desktop.h"
#include "ui/services/prompts.h"
#include "windows/note_dialogs/file_list.h"
#include "windows/note_dialogs/form2.h"
#include "windows/note_dialogs/form4.h"
#include "windows/note_dialogs/note_dialog_host.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLineEdit>
#include <QPointer>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

using namespace tabulo;

int option(const QStringList &args, const QString &name, int fallback)
{
    const int at = int(args.indexOf(name));
    return at >= 0 && at + 1 < args.size() ? args[at + 1].toInt() : fallback;
}

// A main window that only hosts the dialogs: nothing is opened or saved.
class BenchHost final : public NoteDialogHost
{
public:
    explicit BenchHost(const QString &programFolder)
    {
        m_context.programFolder = programFolder;
        m_context.prompts = &m_prompts;
        m_context.desktop = &m_desktop;
        m_window.setGeometry(100, 100, 800, 600);
        m_window.show();
    }
    QWidget *hostWindow() override { return &m_window; }
    const ProgramContext &context() const override { return m_context; }
    QString languageText(int) const override { return {}; }
    bool openNote(const QString &) override { return false; }
    bool saveNoteAs(const QString &) override { return false; }
    QString currentNotePath() const override { return {}; }
    void noteFileDeleted(const QString &) override { }
    void dialogClosed() override { m_window.setEnabled(true); }

private:
    QWidget m_window;
    DialogPrompts m_prompts;
    SystemDesktop m_desktop;
    ProgramContext m_context;
};

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// From the command until the dialog has been painted once, list included.
template<typename Dialog> double timeOpening(BenchHost &host, int *listed)
{
    QElapsedTimer clock;
    clock.start();
    QPointer<Dialog> dialog = Dialog::open(host);
    (void)QTest::qWaitForWindowExposed(dialog);
    (void)dialog->grab();
    const double ms = double(clock.nsecsElapsed()) / 1e6;
    *listed = dialog->File1->listCount();
    dialog->close();
    (void)QTest::qWaitFor([&] { return !dialog; }, 2000);
    return ms;
}

} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QStringList args = app.arguments();
    const int notes = std::max(1, option(args, QStringLiteral("--notes"), 10000));
    const int runs = std::max(1, option(args, QStringLiteral("--runs"), 5));

    QTemporaryDir programFolder;
    const QString projects = programFolder.filePath(QStringLiteral("Db"));
    QDir().mkpath(projects);
    QDir().mkpath(programFolder.filePath(QStringLiteral("Data")));
    for (int i = 0; i < notes; ++i) {
        // A note in every ten has a script beside it, which is not listed.
        QFile note(projects + QStringLiteral("/Spesa %1 casa.txt").arg(i, 5, 10, QLatin1Char('0')));
        if (!note.open(QIODevice::WriteOnly) || note.write("+1\r\n") != 4) {
            std::fprintf(stderr, "cannot write the notes into %s\n", qPrintable(projects));
            return 1;
        }
        if (i % 10 == 0) {
            QFile script(projects + QStringLiteral("/Spesa %1 casa.vb").arg(i, 5, 10, QLatin1Char('0')));
            (void)script.open(QIODevice::WriteOnly);
        }
    }
    BenchHost host(programFolder.path());

    std::vector<double> openMs, saveMs, filterMs;
    int listed = 0;
    for (int run = 0; run < runs; ++run) {
        openMs.push_back(timeOpening<Form2>(host, &listed));
        saveMs.push_back(timeOpening<Form4>(host, &listed));

        QPointer<Form2> dialog = Form2::open(host);
        (void)QTest::qWaitForWindowExposed(dialog);
        QElapsedTimer clock;
        clock.start();
        QTest::keyClick(dialog->Text1, Qt::Key_S);
        (void)dialog->grab();
        filterMs.push_back(double(clock.nsecsElapsed()) / 1e6);
        dialog->close();
        (void)QTest::qWaitFor([&] { return !dialog; }, 2000);
    }
    std::printf("folder: %d notes listed (%d files)\n", listed, notes + (notes + 9) / 10);
    std::printf("open dialog shown: median %.1f ms, max %.1f ms over %d runs (target: under 1000 ms)\n", median(openMs),
        *std::max_element(openMs.begin(), openMs.end()), runs);
    std::printf("save dialog shown: median %.1f ms, max %.1f ms\n", median(saveMs),
        *std::max_element(saveMs.begin(), saveMs.end()));
    std::printf("one key in the name filter: median %.1f ms\n", median(filterMs));
    return listed == notes ? 0 : 1;
}
