// The program under a Wayland compositor (weston with no screen, started by
// the test itself): it starts, opens its windows and quits without a single
// message, and what Wayland has no room for falls back quietly: a window
// kept above the others is an ordinary window there, and without a
// notification area the tray choice minimises the window, never hides it.
// Nothing waits forever. Skipped where weston or Qt's Wayland platform is
// not installed.

#include "tests/app/desktop/desktop_session.h"
#include "tests/windows/main/window_test_support.h"

#include "windows/calculator/form7.h"
#include "windows/find/form5.h"
#include "windows/main/form6.h"
#include "windows/main/parts/tray_behaviour.h"

#include <QLibraryInfo>
#include <QSystemTrayIcon>
#include <QToolButton>

using namespace tabulo;
using namespace tabulo::testing;

namespace {

// Every warning the toolkit or the program printed while the test ran.
QStringList messages;
QtMessageHandler previousHandler = nullptr;

void recordMessage(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (type != QtDebugMsg && type != QtInfoMsg)
        messages << QString::fromLatin1(context.category ? context.category : "default") + QStringLiteral(": ")
                + message;
    if (previousHandler)
        previousHandler(type, context, message);
}

// Up, with its start-up timers run. Wayland lets no program activate a
// window, so this waits for the window to be shown rather than active.
bool shownAndStarted(Form1 &window)
{
    return QTest::qWaitForWindowExposed(&window)
        && QTest::qWaitFor(
            [&] { return !window.startUp().isStarting() && !window.noteView().historyResetPending(); }, 5000);
}

QString waylandPluginProblem()
{
    const QDir platforms(QLibraryInfo::path(QLibraryInfo::PluginsPath) + QStringLiteral("/platforms"));
    if (platforms.entryList({QStringLiteral("libqwayland*")}).isEmpty())
        return QStringLiteral("Qt's Wayland platform is not installed (qt6-wayland)");
    return {};
}

} // namespace

class WaylandSessionTest : public QObject
{
    Q_OBJECT

private slots:
    // After the test library's own handler, which the recorder passes on to.
    void initTestCase() { previousHandler = qInstallMessageHandler(recordMessage); }
    void init() { messages.clear(); }
    void theProgramStartsAndQuitsQuietly();
    void windowsKeptOnTopOpenAsOrdinaryWindows();
    void transparencyIsLeftToTheCompositor();
    void theTrayChoiceMinimisesWithoutANotificationArea();
};

// The program itself, as the desktop starts it, through its ordinary quit.
void WaylandSessionTest::theProgramStartsAndQuitsQuietly()
{
    ProgramCopy copy;
    QVERIFY(copy.isReady());
    QProcess program;
    QProcessEnvironment environment = copy.environment(QStringLiteral("wayland"));
    const QString report = copy.filePath(QStringLiteral("shown.txt"));
    environment.insert(QStringLiteral("TABULO_QUIT_WHEN_SHOWN"), report);
    program.setProcessEnvironment(environment);
    program.start(copy.filePath(QStringLiteral("Tabulo_Bt")));
    QVERIFY(program.waitForStarted());
    if (!program.waitForFinished(30000)) {
        program.kill();
        program.waitForFinished();
        QFAIL("The program did not quit within 30 seconds");
    }
    QCOMPARE(QString::fromUtf8(program.readAllStandardError()), QString());
    QCOMPARE(program.exitStatus(), QProcess::NormalExit);
    QCOMPARE(program.exitCode(), 0);
    QVERIFY(WindowFixture::readFile(report).startsWith("shown "));
    // Wayland tells a program nothing of where its window stands: the
    // placement kept for the next start is still a whole window.
    const QList<QByteArray> placement
        = WindowFixture::readFile(copy.filePath(QStringLiteral("Data/TabuloStart.ini"))).trimmed().split(',');
    QCOMPARE(placement.size(), 5);
    QVERIFY2(placement[2].toDouble() > 0 && placement[3].toDouble() > 0, placement.join(',').constData());
}

void WaylandSessionTest::windowsKeptOnTopOpenAsOrdinaryWindows()
{
    // The desktop service knows what the compositor keeps to itself.
    const WindowSystemAbilities abilities = SystemDesktop().windowSystem();
    QVERIFY(!abilities.keepsWindowsOnTop);
    QVERIFY(!abilities.makesWindowsSeeThrough);

    WindowFixture fixture;
    QVERIFY(shownAndStarted(fixture.window()));
    Form1 &window = fixture.window();
    QAction *onTop = window.action(QStringLiteral("SempreInPrimoPianoX"));
    onTop->trigger();
    QTRY_VERIFY(window.windowHandle() && window.windowHandle()->isExposed());

    // The calculator and the find window keep themselves above the note.
    window.action(QStringLiteral("CalcolatriceX"))->trigger();
    Form7 *calculator = window.toolWindows().calculator();
    QVERIFY(calculator);
    QVERIFY(QTest::qWaitForWindowExposed(calculator));
    window.action(QStringLiteral("TrovaSostituisciX"))->trigger();
    auto *find = window.findChild<Form5 *>();
    QVERIFY(find);
    QVERIFY(QTest::qWaitForWindowExposed(find));
    find->close();
    calculator->close();
    onTop->trigger();
    QTRY_VERIFY(window.windowHandle()->isExposed());
    window.action(QStringLiteral("QuitX"))->trigger();
    QTRY_VERIFY(fixture.hasQuit());
    QCOMPARE(messages.join(QLatin1Char('\n')), QString());
}

// Qt's Wayland platform warns at every opacity it cannot set.
void WaylandSessionTest::transparencyIsLeftToTheCompositor()
{
    WindowFixture fixture;
    QVERIFY(shownAndStarted(fixture.window()));
    Form1 &window = fixture.window();
    QAction *transparent = window.action(QStringLiteral("TrasparenteX"));
    if (transparent->isEnabled()) {
        transparent->trigger();
        transparent->trigger();
    }
    window.action(QStringLiteral("QuitX"))->trigger();
    QTRY_VERIFY(fixture.hasQuit());
    QCOMPARE(messages.join(QLatin1Char('\n')), QString());
}

void WaylandSessionTest::theTrayChoiceMinimisesWithoutANotificationArea()
{
    QVERIFY2(!QSystemTrayIcon::isSystemTrayAvailable(), "this session's bus has no notification area");
    WindowFixture fixture;
    QVERIFY(shownAndStarted(fixture.window()));
    Form1 &window = fixture.window();
    window.close(); // the quit dialog asks what to do
    Form6 *quitDialog = window.quitSequence().quitDialog();
    QVERIFY(quitDialog);
    QVERIFY(QTest::qWaitForWindowExposed(quitDialog));
    quitDialog->Command2->click(); // "Porta sulla TrayBar"
    QTRY_VERIFY(window.isEnabled());
    // Never hidden: there is no icon to bring it back from.
    QTest::qWait(300);
    QVERIFY(!window.isHidden());
    QVERIFY(!window.findChild<TrayBehaviour *>()->isInTray());

    window.showNormal();
    window.action(QStringLiteral("QuitX"))->trigger();
    QTRY_VERIFY(fixture.hasQuit());
    QCOMPARE(messages.join(QLatin1Char('\n')), QString());
}

int main(int argc, char *argv[])
{
    // The compositor and a bus of the test's own (so no notification area of
    // the machine's session is found) come before the application, which
    // connects to them as it starts.
    SessionProcesses session;
    QString problem = waylandPluginProblem();
    if (problem.isEmpty())
        problem = session.startWeston();
    if (problem.isEmpty())
        problem = session.startSessionBus();
    if (!problem.isEmpty()) {
        std::fprintf(stderr, "SKIP: %s\n", qPrintable(problem));
        return 77;
    }
    qputenv("QT_QPA_PLATFORM", "wayland");
    qunsetenv("DISPLAY");
    QApplication app(argc, argv);
    useUnrelatedDefaultLocale();
    WaylandSessionTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_wayland_session.moc"
