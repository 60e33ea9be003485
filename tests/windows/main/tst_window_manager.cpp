// The main window under a real window manager (openbox on a private X
// display), where the offscreen platform cannot stand in: the frame drawn
// around the window, minimising, and a tray that comes and goes.

#include "tests/windows/main/window_test_support.h"

#include "tests/windows/main/virtual_desktop.h"
#include "windows/main/parts/tray_behaviour.h"
#include "windows/main/parts/window_options.h"
#include "windows/script_output/form3.h"

#include <QMenu>
#include <QSystemTrayIcon>
#include <QToolButton>
#include <QWindow>

using namespace tabulo;
using namespace tabulo::testing;

namespace {

VirtualDesktop *x11Desktop = nullptr;
bool windowManagerDidNotStart = false;
// How long the window manager may take to map, frame, activate or hide a
// window. On a machine busy with other tests it takes seconds where it
// usually takes milliseconds; a wait that ends early is no result.
constexpr int windowManagerPatience = 20000;

// The outer rectangle, in pixels at 96 dpi, that a placement record puts
// the window at.
QRect outerPixels(const QByteArray &record)
{
    const QList<QByteArray> f = record.trimmed().split(',');
    auto px = [&](int i) { return qRound(f[i].toDouble() / 15); };
    return QRect(px(1), px(0), px(2), px(3));
}

// As the window system has it; QWidget::frameGeometry() is not updated
// when a window comes back from the tray.
QRect outer(const QWidget &window)
{
    return window.windowHandle()->frameGeometry();
}

QWidget *embeddedTrayIcon()
{
    for (QWidget *widget : QApplication::topLevelWidgets()) {
        if (QByteArray(widget->metaObject()->className()) == "QSystemTrayIconSys" && widget->isVisible())
            return widget;
    }
    return nullptr;
}

void clickMenuItem(QMenu *menu, QAction *item)
{
    QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(item).center());
}

} // namespace

class WindowManagerTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void placementSurvivesQuitAndStart_data();
    void placementSurvivesQuitAndStart();
    void placementSurvivesAQuitFromTheTray();
    void alwaysOnTopKeepsTheWindowOnScreen();
    void aMinimisedQuitDialogNeverLeavesTheWindowOutOfReach();
    void trayMenuBringsTheWindowBack();
    void windowComesBackWhenTheTrayGoesAway();
    void theScriptOutputStaysInFrontOfTheMainWindow();

private:
    // Starts or stops openbox and waits until a window shows it: framed or not.
    bool useWindowManager(bool wanted);
    QWidget m_probe;
};

void WindowManagerTest::initTestCase()
{
    useUnrelatedDefaultLocale();
    m_probe.setWindowTitle(QStringLiteral("probe"));
    m_probe.resize(60, 40);
    m_probe.move(1100, 900);
    // Shown before the window manager starts, which takes over the windows
    // it finds: a window mapped while it is still starting could be missed.
    m_probe.show();
    QVERIFY(QTest::qWaitForWindowExposed(&m_probe));
    if (!useWindowManager(true)) {
        windowManagerDidNotStart = true;
        QSKIP("openbox did not start");
    }
}

bool WindowManagerTest::useWindowManager(bool wanted)
{
    if (wanted)
        x11Desktop->startWindowManager();
    else
        x11Desktop->stopWindowManager();
    return QTest::qWaitFor([&] { return m_probe.windowHandle()->frameMargins().isNull() != wanted; }, 10000);
}

void WindowManagerTest::placementSurvivesQuitAndStart_data()
{
    QTest::addColumn<bool>("windowManager");
    QTest::addColumn<QByteArray>("record");
    QTest::newRow("framed, numbers off the pixel grid") << true << QByteArray("3000,2000,9000,6900,0\r\n");
    QTest::newRow("framed, as the program writes them") << true << QByteArray("1200,2400,9600,7200,0\r\n");
    QTest::newRow("no window manager") << false << QByteArray("3000,2000,9000,6900,0\r\n");
}

void WindowManagerTest::placementSurvivesQuitAndStart()
{
    QFETCH(bool, windowManager);
    QFETCH(QByteArray, record);
    QVERIFY(useWindowManager(windowManager));

    QByteArray stored = record;
    for (int run = 1; run <= 4; ++run) {
        WindowFixture fixture({.dataFiles = {{"TabuloStart.ini", stored}}});
        QVERIFY(fixture.ready(windowManagerPatience));
        Form1 &window = fixture.window();
        QTRY_COMPARE_WITH_TIMEOUT(outer(window), outerPixels(record), windowManagerPatience);
        if (windowManager)
            QVERIFY(outer(window) != window.geometry());
        window.action("QuitX")->trigger();
        QTRY_VERIFY_WITH_TIMEOUT(fixture.hasQuit(), windowManagerPatience);
        stored = fixture.readDataFile("TabuloStart.ini");
        QCOMPARE(stored, record);
    }
    QVERIFY(useWindowManager(true));
}

void WindowManagerTest::placementSurvivesAQuitFromTheTray()
{
    if (!VirtualDesktop::trayInstalled())
        QSKIP("trayer is not installed");
    QVERIFY(x11Desktop->startTray());
    QTRY_VERIFY_WITH_TIMEOUT(QSystemTrayIcon::isSystemTrayAvailable(), 10000);
    const QByteArray record("3000,2000,9000,6900,0\r\n");
    QByteArray stored;
    {
        WindowFixture fixture({.dataFiles = {{"TabuloStart.ini", record}}});
        QVERIFY(fixture.ready(windowManagerPatience));
        QTRY_COMPARE_WITH_TIMEOUT(outer(fixture.window()), outerPixels(record), windowManagerPatience);
        fixture.window().showMinimized();
        QTRY_VERIFY_WITH_TIMEOUT(fixture.window().behaviours().tray()->isInTray(), windowManagerPatience);
        fixture.window().action("Fine")->trigger();
        // Hidden already: the quit shows in the files it writes.
        QTRY_VERIFY_WITH_TIMEOUT(fixture.dataFileExists("LastFile.ini"), windowManagerPatience);
        stored = fixture.readDataFile("TabuloStart.ini");
    }
    // Left in the tray: recorded as minimised, with the same frame. The next
    // start shows the window there, never only an icon in the tray.
    QCOMPARE(stored, QByteArray("3000,2000,9000,6900,1\r\n"));
    WindowFixture next({.dataFiles = {{"TabuloStart.ini", stored}}});
    QVERIFY(next.ready(windowManagerPatience));
    QTRY_COMPARE_WITH_TIMEOUT(outer(next.window()), outerPixels(record), windowManagerPatience);
    QTest::qWait(300);
    QVERIFY(next.window().isVisible());
    QVERIFY(!next.window().isMinimized());
    QVERIFY(!next.window().behaviours().tray()->isInTray());
    x11Desktop->stopTray();
}

void WindowManagerTest::alwaysOnTopKeepsTheWindowOnScreen()
{
    WindowFixture fixture;
    QVERIFY(fixture.ready(windowManagerPatience));
    Form1 &window = fixture.window();
    QTRY_VERIFY_WITH_TIMEOUT(!window.windowHandle()->frameMargins().isNull(), windowManagerPatience);
    const QRect frame = outer(window);
    for (bool on : {true, false}) {
        window.action("SempreInPrimoPianoX")->trigger();
        QCOMPARE(window.windowHandle()->flags().testFlag(Qt::WindowStaysOnTopHint), on);
        // The option is applied in place: the window is never taken off the
        // screen and put back somewhere else.
        QVERIFY(window.isVisible());
        QVERIFY(window.windowHandle()->isExposed());
        QTest::qWait(200);
        QCOMPARE(outer(window), frame);
    }
}

void WindowManagerTest::aMinimisedQuitDialogNeverLeavesTheWindowOutOfReach()
{
    WindowFixture fixture;
    QVERIFY(fixture.ready(windowManagerPatience));
    Form1 &window = fixture.window();
    window.close();
    QPointer<Form6> dialog = window.quitSequence().quitDialog();
    QVERIFY(dialog);
    QVERIFY(QTest::qWaitForWindowExposed(dialog));
    QVERIFY(!window.isEnabled());

    // Asked of the window manager, as its keys or a taskbar would ask it:
    // the dialog comes back at once, in front of the disabled window.
    dialog->windowHandle()->showMinimized();
    QTest::qWait(300);
    QTRY_VERIFY_WITH_TIMEOUT(dialog->windowHandle()->isExposed() && !dialog->isMinimized(), 5000);
    QVERIFY(!window.isEnabled());
    QTest::keyClick(dialog, Qt::Key_Escape);
    QTRY_VERIFY_WITH_TIMEOUT(!dialog || !dialog->isVisible(), windowManagerPatience);
    QVERIFY(window.isEnabled());
    QTRY_COMPARE_WITH_TIMEOUT(QApplication::focusWidget(), window.visibleEditor(), windowManagerPatience);
    QTest::keyClick(window.visibleEditor(), Qt::Key_F12);
    QTRY_VERIFY_WITH_TIMEOUT(fixture.hasQuit(), windowManagerPatience);
}

void WindowManagerTest::trayMenuBringsTheWindowBack()
{
    if (!VirtualDesktop::trayInstalled())
        QSKIP("trayer is not installed");
    QVERIFY(x11Desktop->startTray());
    QTRY_VERIFY_WITH_TIMEOUT(QSystemTrayIcon::isSystemTrayAvailable(), 10000);
    WindowFixture fixture;
    QVERIFY(fixture.ready(windowManagerPatience));
    Form1 &window = fixture.window();
    QMenu *menu = window.menus().trayBar();

    window.close();
    QTRY_VERIFY_WITH_TIMEOUT(
        window.quitSequence().quitDialog() && window.quitSequence().quitDialog()->isVisible(), windowManagerPatience);
    QTest::mouseClick(window.quitSequence().quitDialog()->Command2, Qt::LeftButton);
    QTRY_VERIFY_WITH_TIMEOUT(window.behaviours().tray()->isInTray(), windowManagerPatience);
    QVERIFY(window.isHidden());
    QWidget *icon = nullptr;
    QTRY_VERIFY_WITH_TIMEOUT((icon = embeddedTrayIcon()) != nullptr, windowManagerPatience);
    QCOMPARE(window.behaviours().tray()->icon()->toolTip(), QStringLiteral("Tabulo"));

    for (Qt::MouseButton button : {Qt::LeftButton, Qt::RightButton}) {
        QTest::mouseClick(icon, button);
        QTRY_VERIFY_WITH_TIMEOUT(menu->isVisible(), windowManagerPatience);
        clickMenuItem(menu, window.action("ChiudiMenu"));
        QTRY_VERIFY_WITH_TIMEOUT(!menu->isVisible(), windowManagerPatience);
        QVERIFY(window.behaviours().tray()->isInTray());
    }

    QTest::mouseClick(icon, Qt::LeftButton);
    QTRY_VERIFY_WITH_TIMEOUT(menu->isVisible(), windowManagerPatience);
    clickMenuItem(menu, window.action("Mostra"));
    QTRY_VERIFY_WITH_TIMEOUT(window.isVisible(), windowManagerPatience);
    QVERIFY(!window.isMinimized());
    QVERIFY(!window.behaviours().tray()->icon()->isVisible());
    QTRY_COMPARE_WITH_TIMEOUT(QApplication::focusWidget(), window.visibleEditor(), windowManagerPatience);
    x11Desktop->stopTray();
}

void WindowManagerTest::windowComesBackWhenTheTrayGoesAway()
{
    if (!VirtualDesktop::trayInstalled())
        QSKIP("trayer is not installed");
    QVERIFY(x11Desktop->startTray());
    QTRY_VERIFY_WITH_TIMEOUT(QSystemTrayIcon::isSystemTrayAvailable(), 10000);
    WindowFixture fixture;
    QVERIFY(fixture.ready(windowManagerPatience));
    Form1 &window = fixture.window();
    window.showMinimized();
    QTRY_VERIFY_WITH_TIMEOUT(window.behaviours().tray()->isInTray(), windowManagerPatience);

    x11Desktop->stopTray();
    QTRY_VERIFY_WITH_TIMEOUT(window.isVisible(), windowManagerPatience);
    // The window manager may still be busy with the minimise when the tray
    // goes; the window must end up restored all the same.
    QTRY_VERIFY_WITH_TIMEOUT(!window.isMinimized(), windowManagerPatience);
    QVERIFY(!window.behaviours().tray()->icon()->isVisible());
}

// The output window stays in front of the main window it belongs to while
// it is open, even when the user clicks the (disabled) main window; it is
// not put above every other program's windows.
void WindowManagerTest::theScriptOutputStaysInFrontOfTheMainWindow()
{
    WindowFixture fixture({.dataFiles = {{"TabuloStart.ini", "1500,1500,9000,6900,0\r\n"}}});
    QVERIFY(fixture.ready(windowManagerPatience));
    Form1 &window = fixture.window();
    const QString note = fixture.filePath(QStringLiteral("spese.txt"));
    QVERIFY(WindowFixture::writeFile(note, "+1\r\n"));
    QVERIFY(WindowFixture::writeFile(fixture.filePath(QStringLiteral("spese.vb")), "Echo.Write \"ciao\"\r\n"));
    QVERIFY(window.documents().openNoteFile(note));
    QVERIFY(fixture.waitForReset());

    window.action(QStringLiteral("EseguiScriptX"))->trigger();
    Form3 *output = window.scripts().scriptOutput();
    QVERIFY(output);
    QTRY_VERIFY_WITH_TIMEOUT(
        !output->isRunning() && !output->Timer1.isActive() && !output->CloseVB.isActive(), windowManagerPatience);
    QVERIFY(QTest::qWaitForWindowExposed(output));
    QVERIFY(!output->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    const QRect both = outer(window).intersected(outer(*output));
    QVERIFY(!both.isEmpty());
    const QPoint inBoth = both.center();
    QTRY_COMPARE_WITH_TIMEOUT(QApplication::topLevelAt(inBoth), output, windowManagerPatience);

    // A click on the main window's frame raises it, as the window manager
    // does it.
    for (int click = 0; click < 3; ++click) {
        window.windowHandle()->raise();
        window.windowHandle()->requestActivate();
        QTest::qWait(300);
        QCOMPARE(QApplication::topLevelAt(inBoth), output);
    }
    output->close();
    QTRY_VERIFY_WITH_TIMEOUT(window.isEnabled(), windowManagerPatience);
    window.windowHandle()->raise();
    QTRY_COMPARE_WITH_TIMEOUT(QApplication::topLevelAt(inBoth), &window, windowManagerPatience);
}

// The display must be there before the application connects; where it or
// the window manager cannot start, the test reports itself skipped.
int main(int argc, char *argv[])
{
    VirtualDesktop desktop;
    if (const QString problem = desktop.start(); !problem.isEmpty()) {
        std::fprintf(stderr, "Skipped: %s.\n", qPrintable(problem));
        return 77;
    }
    x11Desktop = &desktop;
    qputenv("QT_QPA_PLATFORM", "xcb");
    QApplication app(argc, argv);
    WindowManagerTest test;
    const int result = QTest::qExec(&test, argc, argv);
    return windowManagerDidNotStart ? 77 : result;
}

#include "tst_window_manager.moc"
