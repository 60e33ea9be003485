// The main window's conveniences on the offscreen platform: the tray (with a
// tray the test pretends is there, or none), always on top, transparency
// and starting a further copy.

#include "tests/windows/main/window_test_support.h"

#include "windows/main/parts/new_instance.h"
#include "windows/main/parts/tray_behaviour.h"
#include "windows/main/parts/window_options.h"

#include <QMenu>
#include <QSystemTrayIcon>
#include <QToolButton>
#include <QWindow>

using namespace tabulo;
using namespace tabulo::testing;

namespace {

enum class ToTray { QuitDialog, Minimising };

void sendToTray(Form1 &window, ToTray how)
{
    if (how == ToTray::Minimising) {
        window.showMinimized();
        return;
    }
    window.close();
    QVERIFY(window.quitSequence().quitDialog());
    QVERIFY(QTest::qWaitForWindowExposed(window.quitSequence().quitDialog()));
    QTest::mouseClick(window.quitSequence().quitDialog()->Command2, Qt::LeftButton);
}

bool onTop(const Form1 &window)
{
    return window.windowFlags().testFlag(Qt::WindowStaysOnTopHint)
        && window.windowHandle()->flags().testFlag(Qt::WindowStaysOnTopHint);
}

} // namespace

Q_DECLARE_METATYPE(ToTray)
Q_DECLARE_METATYPE(QSystemTrayIcon::ActivationReason)

class BehavioursTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { useUnrelatedDefaultLocale(); }

    void optionsAreOffAtEveryStart();
    void optionsFlipWithTheirCheckMarks_data();
    void optionsFlipWithTheirCheckMarks();

    void optionsTheWindowSystemKeepsAreGreyedOut_data();
    void optionsTheWindowSystemKeepsAreGreyedOut();
    void withoutATrayTheWindowIsNeverHidden_data();
    void withoutATrayTheWindowIsNeverHidden();
    void trayKeepsTheWindowUntilMostra_data();
    void trayKeepsTheWindowUntilMostra();
    void trayIconOpensTheMenuOnBothButtons_data();
    void trayIconOpensTheMenuOnBothButtons();
    void windowComesBackWhenTheTrayGoesAway();
    void quittingFromTheTrayAsksAboutChangesFirst_data();
    void quittingFromTheTrayAsksAboutChangesFirst();

    void newInstanceStartsTabuloTop_data();
    void newInstanceStartsTabuloTop();
};

void BehavioursTest::optionsAreOffAtEveryStart()
{
    for (int run = 0; run < 2; ++run) {
        WindowFixture fixture;
        QVERIFY(fixture.ready());
        Form1 &window = fixture.window();
        QVERIFY(!window.action("SempreInPrimoPianoX")->isChecked());
        QVERIFY(!window.action("TrasparenteX")->isChecked());
        QVERIFY(!onTop(window));
        QCOMPARE(window.windowOpacity(), 1.0);
        // Both on at quit: nothing of it is remembered.
        window.action("SempreInPrimoPianoX")->trigger();
        window.action("TrasparenteX")->trigger();
        window.action("QuitX")->trigger();
        QTRY_VERIFY(fixture.hasQuit());
    }
}

void BehavioursTest::optionsFlipWithTheirCheckMarks_data()
{
    QTest::addColumn<QString>("item");
    QTest::newRow("always on top") << "SempreInPrimoPianoX";
    QTest::newRow("transparent") << "TrasparenteX";
}

void BehavioursTest::optionsFlipWithTheirCheckMarks()
{
    QFETCH(QString, item);
    WindowFixture fixture;
    QVERIFY(fixture.ready());
    Form1 &window = fixture.window();
    auto applied = [&] { return item == "TrasparenteX" ? window.windowOpacity() == 200 / 255.0 : onTop(window); };
    for (bool on : {true, false, true, false}) {
        window.action(item)->trigger();
        QCOMPARE(window.action(item)->isChecked(), on);
        QCOMPARE(applied(), on);
        // The other option is left alone, and the window stays on screen.
        QCOMPARE(window.windowOpacity() < 1.0, item == "TrasparenteX" && on);
        QCOMPARE(onTop(window), item == "SempreInPrimoPianoX" && on);
        QVERIFY(window.isVisible());
    }
    // Off is fully opaque: no colour of the window is see-through.
    QCOMPARE(window.windowOpacity(), 1.0);
}

// Under Wayland the compositor decides stacking and opacity: the items are
// greyed out, and even triggered (a shortcut, a script) they ask nothing of
// the window.
void BehavioursTest::optionsTheWindowSystemKeepsAreGreyedOut_data()
{
    QTest::addColumn<bool>("onTop");
    QTest::addColumn<bool>("seeThrough");
    QTest::newRow("neither (Wayland)") << false << false;
    QTest::newRow("stacking only") << true << false;
    QTest::newRow("opacity only") << false << true;
}

void BehavioursTest::optionsTheWindowSystemKeepsAreGreyedOut()
{
    QFETCH(bool, onTop);
    QFETCH(bool, seeThrough);
    WindowFixture fixture({.windowSystem = WindowSystemAbilities {onTop, seeThrough}});
    QVERIFY(fixture.ready());
    Form1 &window = fixture.window();
    QCOMPARE(window.action("SempreInPrimoPianoX")->isEnabled(), onTop);
    QCOMPARE(window.action("TrasparenteX")->isEnabled(), seeThrough);
    window.action("SempreInPrimoPianoX")->trigger();
    window.action("TrasparenteX")->trigger();
    QCOMPARE(window.action("SempreInPrimoPianoX")->isChecked(), onTop);
    QCOMPARE(window.action("TrasparenteX")->isChecked(), seeThrough);
    QCOMPARE(::onTop(window), onTop);
    QCOMPARE(window.windowOpacity() < 1.0, seeThrough);
}

void BehavioursTest::withoutATrayTheWindowIsNeverHidden_data()
{
    QTest::addColumn<ToTray>("how");
    QTest::newRow("from the quit dialog") << ToTray::QuitDialog;
    QTest::newRow("minimised") << ToTray::Minimising;
}

void BehavioursTest::withoutATrayTheWindowIsNeverHidden()
{
    QFETCH(ToTray, how);
    WindowFixture fixture;
    fixture.desktop.systemTray = false;
    QVERIFY(fixture.ready());
    Form1 &window = fixture.window();
    sendToTray(window, how);
    QTRY_VERIFY(window.isMinimized());
    QTest::qWait(3 * TrayBehaviour::trayWatchMs);
    QVERIFY(window.isVisible());
    QVERIFY(!window.behaviours().tray()->icon()->isVisible());
}

void BehavioursTest::trayKeepsTheWindowUntilMostra_data()
{
    QTest::addColumn<ToTray>("how");
    QTest::addColumn<QByteArray>("scrollIni");
    QTest::newRow("quit dialog, scrolling editor") << ToTray::QuitDialog << QByteArray("0\r\n");
    QTest::newRow("minimised, wrapping editor") << ToTray::Minimising << QByteArray("1\r\n");
}

void BehavioursTest::trayKeepsTheWindowUntilMostra()
{
    QFETCH(ToTray, how);
    QFETCH(QByteArray, scrollIni);
    WindowFixture fixture({.dataFiles = {{"Scroll.ini", scrollIni}}});
    fixture.desktop.systemTray = true;
    QVERIFY(fixture.ready());
    Form1 &window = fixture.window();
    sendToTray(window, how);
    QTRY_VERIFY(window.behaviours().tray()->isInTray());
    QVERIFY(window.isMinimized());
    QVERIFY(window.isEnabled());
    QSystemTrayIcon *icon = window.behaviours().tray()->icon();
    QCOMPARE(icon->toolTip(), QStringLiteral("Tabulo"));
    QVERIFY(!icon->icon().isNull());
    QVERIFY(!fixture.dataFileExists("LastFile.ini"));

    window.action("Mostra")->trigger();
    QVERIFY(window.isVisible());
    QVERIFY(!window.isMinimized());
    QVERIFY(!icon->isVisible());
    // The offscreen platform does not activate a window that comes back, so
    // the window's focus is what the user would type into.
    QCOMPARE(window.focusWidget(), window.visibleEditor());
    QCOMPARE(window.visibleEditor() == window.editor2(), scrollIni.startsWith('1'));

    // A window manager may still answer the minimise that hid the window
    // after it is shown again: the window the user asked for stays.
    window.setWindowState(window.windowState() | Qt::WindowMinimized);
    QVERIFY(!window.isMinimized());
    QTest::qWait(TrayBehaviour::comingBackMs + 100);
    QVERIFY(window.isVisible());
    QVERIFY(!icon->isVisible());
    // Later a minimise is the user's again, and takes it to the tray.
    window.showMinimized();
    QTRY_VERIFY(window.behaviours().tray()->isInTray());
}

void BehavioursTest::trayIconOpensTheMenuOnBothButtons_data()
{
    QTest::addColumn<QSystemTrayIcon::ActivationReason>("reason");
    QTest::addColumn<bool>("opens");
    QTest::newRow("left button") << QSystemTrayIcon::Trigger << true;
    QTest::newRow("right button") << QSystemTrayIcon::Context << true;
    QTest::newRow("double click") << QSystemTrayIcon::DoubleClick << false;
    QTest::newRow("middle button") << QSystemTrayIcon::MiddleClick << false;
}

void BehavioursTest::trayIconOpensTheMenuOnBothButtons()
{
    QFETCH(QSystemTrayIcon::ActivationReason, reason);
    QFETCH(bool, opens);
    WindowFixture fixture;
    fixture.desktop.systemTray = true;
    QVERIFY(fixture.ready());
    Form1 &window = fixture.window();
    sendToTray(window, ToTray::Minimising);
    QTRY_VERIFY(window.behaviours().tray()->isInTray());

    emit window.behaviours().tray()->icon()->activated(reason);
    QMenu *menu = window.menus().trayBar();
    QCOMPARE(menu->isVisible(), opens);
    if (!opens)
        return;
    QCOMPARE(menu->actions().size(), 4); // Mostra, separator, ChiudiMenu, Fine
    // "Chiudi questo menù" only closes the menu.
    QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(window.action("ChiudiMenu")).center());
    QTRY_VERIFY(!menu->isVisible());
    QVERIFY(window.behaviours().tray()->isInTray());
    QVERIFY(!fixture.dataFileExists("LastFile.ini"));
}

void BehavioursTest::windowComesBackWhenTheTrayGoesAway()
{
    WindowFixture fixture;
    fixture.desktop.systemTray = true;
    QVERIFY(fixture.ready());
    Form1 &window = fixture.window();
    sendToTray(window, ToTray::QuitDialog);
    QTRY_VERIFY(window.behaviours().tray()->isInTray());

    fixture.desktop.systemTray = false;
    QTRY_VERIFY_WITH_TIMEOUT(window.isVisible(), 5 * TrayBehaviour::trayWatchMs);
    QVERIFY(!window.isMinimized());
    QVERIFY(!window.behaviours().tray()->icon()->isVisible());
    QCOMPARE(window.focusWidget(), window.visibleEditor());
}

void BehavioursTest::quittingFromTheTrayAsksAboutChangesFirst_data()
{
    QTest::addColumn<Prompts::Answer>("answer");
    QTest::addColumn<bool>("quits");
    QTest::newRow("No quits") << Prompts::Answer::No << true;
    QTest::newRow("Cancel stays in the tray") << Prompts::Answer::Cancel << false;
}

void BehavioursTest::quittingFromTheTrayAsksAboutChangesFirst()
{
    QFETCH(Prompts::Answer, answer);
    QFETCH(bool, quits);
    WindowFixture fixture;
    fixture.desktop.systemTray = true;
    QVERIFY(fixture.ready());
    Form1 &window = fixture.window();
    typeIntoNote(window, "+5");
    const QRect outerOnScreen = window.windowHandle()->frameGeometry();
    sendToTray(window, ToTray::QuitDialog);
    QTRY_VERIFY(window.behaviours().tray()->isInTray());

    fixture.prompts.queueAnswer(answer);
    window.action("Fine")->trigger();
    QTRY_COMPARE(fixture.prompts.count(ScriptedPrompts::Kind::Question), 1);
    QTRY_COMPARE(fixture.dataFileExists("LastFile.ini"), quits);
    if (!quits) {
        QTest::qWait(200);
        QVERIFY(window.behaviours().tray()->isInTray());
        QCOMPARE(window.modi(), 1);
        return;
    }
    // Recorded as minimised, with the frame it had on screen.
    const Twips twips = Twips::forDpi(window.logicalDpiY());
    QCOMPARE(fixture.readDataFile("TabuloStart.ini"),
        WindowPlacement::format(twips.fromPixels(outerOnScreen.y()), twips.fromPixels(outerOnScreen.x()),
            twips.fromPixels(outerOnScreen.width()), twips.fromPixels(outerOnScreen.height()), 1)
                .toLatin1()
            + "\r\n");
}

void BehavioursTest::newInstanceStartsTabuloTop_data()
{
    QTest::addColumn<LayoutVariant>("variant");
    QTest::addColumn<QByteArray>("program"); // "-": no file; "noexec": a file that cannot run
    QTest::addColumn<bool>("started");
    QTest::newRow("from the bottom variant") << LayoutVariant::TotalsAtBottom << QByteArray("exec") << true;
    QTest::newRow("from the top variant") << LayoutVariant::TotalAtTop << QByteArray("exec") << true;
    QTest::newRow("program missing") << LayoutVariant::TotalsAtBottom << QByteArray("-") << false;
    QTest::newRow("not a program") << LayoutVariant::TotalsAtBottom << QByteArray("noexec") << false;
}

void BehavioursTest::newInstanceStartsTabuloTop()
{
    QFETCH(LayoutVariant, variant);
    QFETCH(QByteArray, program);
    QFETCH(bool, started);
    WindowFixture fixture({.variant = variant});
    QVERIFY(fixture.ready());
    const QString path = newInstanceProgram(fixture.programFolder());
    if (program != "-") {
        QVERIFY(WindowFixture::writeFile(path, "#!/bin/sh\n"));
        QFile::setPermissions(path,
            program == "exec" ? QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner
                              : QFile::ReadOwner | QFile::WriteOwner);
    }

    fixture.window().action("NuovaIstanzaX")->trigger();
    QCOMPARE(fixture.desktop.requests, started ? QStringList {"start " + path + " "} : QStringList());
    const QStringList errors = fixture.prompts.takeErrors();
    QCOMPARE(errors.size(), started ? 0 : 1);
    if (!started)
        QVERIFY2(errors.first().contains(path), qPrintable(errors.first()));
    QVERIFY(fixture.window().isVisible());
}

QTEST_MAIN(BehavioursTest)
#include "tst_form1_behaviours.moc"
