// Where the note dialogs open: beside a normal main window, over a maximised
// one, and always where they can be seen.

#include "dialog_placement.h"

#include <QTest>

using namespace tabulo;

class DialogPlacementTest : public QObject
{
    Q_OBJECT

private slots:
    void placesTheDialog_data();
    void placesTheDialog();
};

void DialogPlacementTest::placesTheDialog_data()
{
    QTest::addColumn<QRect>("hostFrame");
    QTest::addColumn<bool>("maximized");
    QTest::addColumn<QRect>("screen");
    QTest::addColumn<QRect>("available");
    QTest::addColumn<double>("dpi");
    QTest::addColumn<QRect>("dialogFrame");

    const QRect screen(0, 0, 1920, 1080);
    const QRect available(0, 0, 1920, 1040); // a panel at the bottom
    // 400 twips are 27 pixels at 96 dpi and 40 at 144.
    QTest::newRow("beside a normal window") << QRect(200, 133, 640, 460) << false << screen << available << 96.0
                                            << QRect(227, 160, 640, 460);
    QTest::newRow("at 144 dpi") << QRect(300, 200, 960, 690) << false << screen << available << 144.0
                                << QRect(340, 240, 960, 690);
    QTest::newRow("normal window at the bottom right corner")
        << QRect(1500, 800, 420, 240) << false << screen << available << 96.0 << QRect(1500, 800, 420, 240);
    QTest::newRow("normal window bigger than the screen")
        << QRect(-50, -30, 2500, 1400) << false << screen << available << 96.0 << QRect(0, 0, 1920, 1040);
    QTest::newRow("normal window mostly off the left edge")
        << QRect(-600, 100, 640, 460) << false << screen << available << 96.0 << QRect(0, 127, 640, 460);
    // 9600 by 7200 twips are 640 by 480 pixels; inside the frame (4 pixels
    // at the sides and bottom, 24 for the title) 632 by 452, a third of
    // which is 210 and 150.
    QTest::newRow("over a maximised window") << QRect(0, 0, 1920, 1040) << true << screen << available << 96.0
                                             << QRect(210, 150, 640, 480);
    QTest::newRow("over a maximised window on a second screen")
        << QRect(1920, 0, 1280, 984) << true << QRect(1920, 0, 1280, 1024) << QRect(1920, 0, 1280, 984) << 96.0
        << QRect(2130, 150, 640, 480);
    QTest::newRow("over a maximised window on a small screen")
        << QRect(0, 0, 800, 560) << true << QRect(0, 0, 800, 600) << QRect(0, 0, 800, 560) << 96.0
        << QRect(160, 80, 640, 480);
}

void DialogPlacementTest::placesTheDialog()
{
    QFETCH(QRect, hostFrame);
    QFETCH(bool, maximized);
    QFETCH(QRect, screen);
    QFETCH(QRect, available);
    QFETCH(double, dpi);
    QFETCH(QRect, dialogFrame);

    HostPlacement host;
    host.frame = hostFrame;
    host.maximized = maximized;
    host.frameMargins = QMargins(4, 24, 4, 4);
    host.screen = screen;
    host.available = available;
    QCOMPARE(noteDialogFrame(host, Twips::forDpi(dpi)), dialogFrame);
}

QTEST_APPLESS_MAIN(DialogPlacementTest)
#include "tst_dialog_placement.moc"
