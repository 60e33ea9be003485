// Where the main window comes back: the placement file as the program writes
// it, files damaged or edited by hand, and rectangles that must end up on
// the screen whatever the file said.

#include "core/settings/window_placement.h"

#include <QTest>

#include <climits>

using namespace tabulo;

namespace {

// One field as a test reads it: its value, or "-" when the file left it unset.
template<typename T> QString shown(const std::optional<T> &value)
{
    return value ? QString::number(double(*value), 'g', 17) : QStringLiteral("-");
}

QString shown(const WindowPlacement &p)
{
    return QStringList {shown(p.top), shown(p.left), shown(p.width), shown(p.height), shown(p.state)}.join(u' ');
}

} // namespace

class WindowPlacementTest : public QObject
{
    Q_OBJECT

private slots:
    void readsPlacementFiles_data();
    void readsPlacementFiles();
    void writesTheRecordItReads();
    void convertsTwipsToPixels_data();
    void convertsTwipsToPixels();
    void keepsWindowsOnTheScreen_data();
    void keepsWindowsOnTheScreen();
    void unmovedWindowWritesBackItsStoredNumbers_data();
    void unmovedWindowWritesBackItsStoredNumbers();
};

void WindowPlacementTest::readsPlacementFiles_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("placement"); // top left width height state

    QTest::newRow("as written by the program") << "1200,2400,9600,7200,0\r\n"
                                               << "1200 2400 9600 7200 0";
    QTest::newRow("maximised") << "1200,2400,9600,7200,2\r\n"
                               << "1200 2400 9600 7200 2";
    QTest::newRow("minimised far off screen") << "-48000,-48000,9600,7200,1"
                                              << "-48000 -48000 9600 7200 1";
    QTest::newRow("blanks around fields") << " 1200 , 2400 ,9600, 7200 , 2 "
                                          << "1200 2400 9600 7200 2";
    QTest::newRow("single precision") << "0.1,0,0,0,0"
                                      << "0.10000000149011612 0 0 0 0";
    QTest::newRow("empty file") << ""
                                << "- - - - -";
    QTest::newRow("garbage") << "garbage\r\n\xff\xfe"
                             << "- - - - -";
    QTest::newRow("a comma decimal shifts the fields") << "1200,5,2400,9600,7200,0"
                                                       << "1200 5 2400 9600 -";
    QTest::newRow("fields missing") << "1200,2400"
                                    << "1200 2400 - - -";
    QTest::newRow("words in fields") << "x,2400,big,7200,normal"
                                     << "- 2400 - 7200 -";
    QTest::newRow("state out of range") << "1,2,3,4,7"
                                        << "1 2 3 4 -";
    QTest::newRow("negative state") << "1,2,3,4,-1"
                                    << "1 2 3 4 -";
    QTest::newRow("fractional state") << "1,2,3,4,1.5"
                                      << "1 2 3 4 -";
    QTest::newRow("infinite and undefined") << "inf,nan,-inf,1e400,0"
                                            << "- - - - 0";
    QTest::newRow("beyond single precision") << "1e39,-1e300,3.4e38,4,0"
                                             << "- - 3.3999999521443642e+38 4 0";
    QTest::newRow("later records override field by field") << "1,2,3,4,0\r\n5,x,7,,2\r\n"
                                                           << "5 2 7 4 2";
    QTest::newRow("an unusable later record changes nothing") << "1,2,3,4,1\ngarbage\n"
                                                              << "1 2 3 4 1";
}

void WindowPlacementTest::readsPlacementFiles()
{
    QFETCH(QString, file);
    QFETCH(QString, placement);

    QCOMPARE(shown(WindowPlacement::parse(file)), placement);
}

void WindowPlacementTest::writesTheRecordItReads()
{
    const QString record = WindowPlacement::format(1200, 2400, 9600, 7200, 2);
    QCOMPARE(record, QStringLiteral("1200,2400,9600,7200,2"));
    QCOMPARE(shown(WindowPlacement::parse(record)), QStringLiteral("1200 2400 9600 7200 2"));
}

void WindowPlacementTest::convertsTwipsToPixels_data()
{
    QTest::addColumn<double>("dpi");
    QTest::addColumn<double>("twips");
    QTest::addColumn<int>("pixels");

    QTest::newRow("96 dpi") << 96.0 << 9600.0 << 640;
    QTest::newRow("rounded to the nearest pixel") << 96.0 << 22.0 << 1;
    QTest::newRow("negative rounds away from zero") << 96.0 << -23.0 << -2;
    QTest::newRow("minimised position") << 96.0 << -48000.0 << -3200;
    QTest::newRow("144 dpi") << 144.0 << 9600.0 << 960;
    QTest::newRow("no dpi means 96") << 0.0 << 9600.0 << 640;
    // Absurd values from a hand-edited file must give a usable number, not
    // an integer overflow.
    QTest::newRow("huge") << 96.0 << 1e30 << 16777216;
    QTest::newRow("huge negative") << 96.0 << -3.4e38 << -16777216;
    QTest::newRow("not a number") << 96.0 << std::nan("") << 0;
}

void WindowPlacementTest::convertsTwipsToPixels()
{
    QFETCH(double, dpi);
    QFETCH(double, twips);
    QFETCH(int, pixels);

    const Twips twipsAtDpi = Twips::forDpi(dpi);
    QCOMPARE(twipsAtDpi.toPixels(twips), pixels);
    if (std::abs(twips) < 1e6)
        QCOMPARE(twipsAtDpi.toPixels(twipsAtDpi.fromPixels(pixels)), pixels);
}

void WindowPlacementTest::keepsWindowsOnTheScreen_data()
{
    QTest::addColumn<QRect>("wanted");
    QTest::addColumn<QRect>("available");
    QTest::addColumn<QRect>("placed");

    const QRect screen(0, 0, 1920, 1040);
    QTest::newRow("already on screen") << QRect(100, 100, 800, 600) << screen << QRect(100, 100, 800, 600);
    QTest::newRow("filling the screen") << screen << screen << screen;
    QTest::newRow("off to the right") << QRect(5000, 100, 800, 600) << screen << QRect(1120, 100, 800, 600);
    QTest::newRow("below the screen") << QRect(100, 3000, 800, 600) << screen << QRect(100, 440, 800, 600);
    QTest::newRow("minimised position") << QRect(-3200, -3200, 800, 600) << screen << QRect(0, 0, 800, 600);
    QTest::newRow("partly off the edge") << QRect(1500, 900, 800, 600) << screen << QRect(1120, 440, 800, 600);
    QTest::newRow("larger than the screen") << QRect(0, 0, 100000, 100000) << screen << screen;
    QTest::newRow("negative size") << QRect(100, 100, -50, -50) << screen << QRect(100, 100, 200, 120);
    QTest::newRow("smaller than the minimum") << QRect(100, 100, 10, 10) << screen << QRect(100, 100, 200, 120);
    QTest::newRow("far beyond everything") << QRect(16777216, -16777216, 16777216, 16777216) << screen << screen;
    QTest::newRow("screen smaller than the minimum")
        << QRect(0, 0, 800, 600) << QRect(0, 0, 150, 100) << QRect(0, 0, 150, 100);
    QTest::newRow("second screen to the right")
        << QRect(0, 0, 800, 600) << QRect(1920, 0, 1280, 1024) << QRect(1920, 0, 800, 600);
    QTest::newRow("screen left of the origin")
        << QRect(0, 0, 800, 600) << QRect(-1280, 0, 1280, 1024) << QRect(-800, 0, 800, 600);
    QTest::newRow("no screen known: left alone") << QRect(5000, 100, 800, 600) << QRect() << QRect(5000, 100, 800, 600);
}

void WindowPlacementTest::keepsWindowsOnTheScreen()
{
    QFETCH(QRect, wanted);
    QFETCH(QRect, available);
    QFETCH(QRect, placed);

    QCOMPARE(fitOnScreen(wanted, available), placed);
}

void WindowPlacementTest::unmovedWindowWritesBackItsStoredNumbers_data()
{
    QTest::addColumn<QRect>("frameAtQuit");
    QTest::addColumn<int>("state");
    QTest::addColumn<bool>("restored");
    QTest::addColumn<QString>("record");

    // 3000,2000,9000,6900 placed the window at 133,200 600x460 pixels.
    const QRect placed(133, 200, 600, 460);
    QTest::newRow("unmoved keeps numbers off the pixel grid") << placed << 0 << true << "3000,2000,9000,6900,0";
    QTest::newRow("unmoved, minimised") << placed << 1 << true << "3000,2000,9000,6900,1";
    QTest::newRow("moved by a pixel") << placed.translated(1, 0) << 0 << true << "3000,2010,9000,6900,0";
    QTest::newRow("resized") << placed.adjusted(0, 0, 0, 10) << 0 << true << "3000,1995,9000,7050,0";
    QTest::newRow("nothing restored at start") << placed << 0 << false << "3000,1995,9000,6900,0";
}

void WindowPlacementTest::unmovedWindowWritesBackItsStoredNumbers()
{
    QFETCH(QRect, frameAtQuit);
    QFETCH(int, state);
    QFETCH(bool, restored);
    QFETCH(QString, record);

    std::optional<RestoredPlacement> atStart;
    if (restored)
        atStart = RestoredPlacement {{3000, 2000, 9000, 6900}, QRect(133, 200, 600, 460)};
    QCOMPARE(placementAtQuit(frameAtQuit, state, Twips::forDpi(96), atStart).format(), record);
}

QTEST_GUILESS_MAIN(WindowPlacementTest)
#include "tst_window_placement.moc"
