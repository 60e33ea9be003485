#include "ui/icons/tabulo_icons.h"

#include <QPainter>
#include <QTest>

#include <functional>

namespace icons = tabulo::icons;

using PictureMaker = std::function<QPixmap(qreal dpr)>;
Q_DECLARE_METATYPE(PictureMaker)

namespace {

QImage argb(const QPixmap &pixmap)
{
    return pixmap.toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

int countPixels(const QImage &image, const std::function<bool(int alpha)> &accept)
{
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            count += accept(qAlpha(image.pixel(x, y))) ? 1 : 0;
    return count;
}

bool isVisible(int alpha)
{
    return alpha > 0;
}
bool isClear(int alpha)
{
    return alpha == 0;
}

QImage transparentImage(QSize logicalSize, qreal dpr)
{
    QImage image(logicalSize * dpr, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(dpr);
    image.fill(Qt::transparent);
    return image;
}

} // namespace

class TabuloIconsTest : public QObject
{
    Q_OBJECT

private slots:
    void picturesHaveTheirSizeAndContent_data();
    void picturesHaveTheirSizeAndContent();
    void unknownPicturesAreNull();
    void toolbarIconsDifferPairwise_data();
    void toolbarIconsDifferPairwise();
    void toolbarIconGivesSharpHighResolutionPixmaps_data();
    void toolbarIconGivesSharpHighResolutionPixmaps();
    void stripCentresEachIconInItsCell_data();
    void stripCentresEachIconInItsCell();
    void programIconOffersEverySize();
    void sizeGripDotsSitInTheBottomRightCorner();
};

void TabuloIconsTest::picturesHaveTheirSizeAndContent_data()
{
    QTest::addColumn<PictureMaker>("make");
    QTest::addColumn<QSize>("logicalSize");
    QTest::addColumn<qreal>("dpr");

    for (qreal dpr : {1.0, 2.0}) {
        const QByteArray at = dpr == 1.0 ? "@1x" : "@2x";
        for (int i = 0; i < icons::toolbarIconCount; ++i) {
            for (QSize size : {QSize(16, 16), QSize(24, 24)}) {
                QTest::addRow("toolbar %d %dpx%s", i, size.width(), at.constData())
                    << PictureMaker([=](qreal r) { return icons::toolbarIconPixmap(i, size, r); }) << size << dpr;
            }
        }
        for (int i = 0; i < icons::quitPictureCount; ++i) {
            QTest::addRow("quit %d%s", i, at.constData())
                << PictureMaker([=](qreal r) { return icons::quitDialogPicture(i, r); }) << QSize(48, 48) << dpr;
        }
        QTest::addRow("size grip%s", at.constData()) << PictureMaker(&icons::sizeGripPicture) << QSize(18, 17) << dpr;
        for (int side : icons::programIconSizes()) {
            QTest::addRow("program %d%s", side, at.constData())
                << PictureMaker([=](qreal r) { return icons::programIconPixmap(side, r); }) << QSize(side, side) << dpr;
        }
    }
}

// Every picture fills exactly the device pixels asked for, draws something,
// and leaves some of its area clear so the toolbar or dialog shows through.
void TabuloIconsTest::picturesHaveTheirSizeAndContent()
{
    QFETCH(PictureMaker, make);
    QFETCH(QSize, logicalSize);
    QFETCH(qreal, dpr);

    const QPixmap pixmap = make(dpr);
    QVERIFY(!pixmap.isNull());
    QCOMPARE(pixmap.devicePixelRatio(), dpr);
    QCOMPARE(pixmap.size(), logicalSize * dpr);
    QCOMPARE(pixmap.deviceIndependentSize(), QSizeF(logicalSize));
    const QImage image = argb(pixmap);
    QVERIFY(countPixels(image, isVisible) > 0);
    QVERIFY(countPixels(image, isClear) > 0);
}

void TabuloIconsTest::unknownPicturesAreNull()
{
    QVERIFY(icons::toolbarIconPixmap(-1, QSize(16, 16), 1.0).isNull());
    QVERIFY(icons::toolbarIconPixmap(icons::toolbarIconCount, QSize(16, 16), 1.0).isNull());
    QVERIFY(icons::toolbarIconPixmap(0, QSize(0, 0), 1.0).isNull());
    QVERIFY(icons::toolbarIconPixmap(0, QSize(16, 16), 0.0).isNull());
    QVERIFY(icons::toolbarIcon(icons::toolbarIconCount).isNull());
    QVERIFY(icons::quitDialogPicture(-1, 1.0).isNull());
    QVERIFY(icons::quitDialogPicture(icons::quitPictureCount, 1.0).isNull());
    QVERIFY(icons::programIconPixmap(0).isNull());
}

void TabuloIconsTest::toolbarIconsDifferPairwise_data()
{
    QTest::addColumn<qreal>("dpr");
    QTest::newRow("1x") << 1.0;
    QTest::newRow("2x") << 2.0;
}

void TabuloIconsTest::toolbarIconsDifferPairwise()
{
    QFETCH(qreal, dpr);
    QList<QImage> images;
    for (int i = 0; i < icons::toolbarIconCount; ++i)
        images.append(argb(icons::toolbarIconPixmap(i, icons::toolbarIconSize, dpr)));
    for (int i = 0; i < images.size(); ++i)
        for (int j = i + 1; j < images.size(); ++j)
            QVERIFY2(images[i] != images[j], qPrintable(QString("icons %1 and %2").arg(i).arg(j)));
}

void TabuloIconsTest::toolbarIconGivesSharpHighResolutionPixmaps_data()
{
    QTest::addColumn<int>("index");
    for (int i = 0; i < icons::toolbarIconCount; ++i)
        QTest::addRow("icon %d", i) << i;
}

// At 2x the icon must hand out the drawing made for 32 pixels, not the 16-pixel
// one blown up.
void TabuloIconsTest::toolbarIconGivesSharpHighResolutionPixmaps()
{
    QFETCH(int, index);
    const QIcon icon = icons::toolbarIcon(index);
    QVERIFY(!icon.isNull());
    for (qreal dpr : {1.0, 2.0}) {
        const QPixmap fromIcon = icon.pixmap(icons::toolbarIconSize, dpr);
        QCOMPARE(fromIcon.size(), icons::toolbarIconSize * dpr);
        const QPixmap drawn = icons::toolbarIconPixmap(index, icons::toolbarIconSize, dpr);
        QCOMPARE(argb(fromIcon), argb(drawn));
    }
}

void TabuloIconsTest::stripCentresEachIconInItsCell_data()
{
    QTest::addColumn<QList<int>>("positions");
    QTest::addColumn<int>("cellWidth");
    QTest::addColumn<int>("height");
    QTest::addColumn<qreal>("dpr");
    QTest::addColumn<QPoint>("origin"); // where the toolbar stands in its window
    QTest::addColumn<int>("iconSide");

    QList<int> evenlySpaced;
    QList<int> withGaps;
    for (int i = 0; i < icons::toolbarIconCount; ++i) {
        evenlySpaced.append(i * 19);
        withGaps.append(i * 19 + (i > 4 ? 6 : 0) + (i > 9 ? 6 : 0));
    }
    QTest::newRow("toolbar cells 1x") << evenlySpaced << 19 << 25 << 1.0 << QPoint() << 16;
    QTest::newRow("toolbar cells 2x") << evenlySpaced << 19 << 25 << 2.0 << QPoint() << 16;
    QTest::newRow("groups with gaps") << withGaps << 19 << 25 << 1.0 << QPoint() << 16;
    QTest::newRow("wide tall cells") << QList<int> {0, 30, 60} << 30 << 40 << 1.0 << QPoint() << 16;
    QTest::newRow("more positions than icons")
        << (evenlySpaced + QList<int> {260, 280}) << 19 << 25 << 1.0 << QPoint() << 16;
    // Odd logical positions fall between device pixels at 1.5 and 1.25.
    QTest::newRow("toolbar cells 1.5x") << evenlySpaced << 19 << 25 << 1.5 << QPoint() << 16;
    QTest::newRow("toolbar 1.5x below a menu bar") << withGaps << 19 << 25 << 1.5 << QPoint(3, 21) << 16;
    QTest::newRow("toolbar cells 1.25x") << evenlySpaced << 19 << 25 << 1.25 << QPoint(1, 1) << 16;
    QTest::newRow("toolbar 2x below a menu bar") << evenlySpaced << 19 << 25 << 2.0 << QPoint(0, 21) << 16;
    // A screen of 144 logical dpi: cells and icons half as large again.
    QList<int> at144Dpi;
    for (int i = 0; i < icons::toolbarIconCount; ++i)
        at144Dpi.append(i * 28);
    QTest::newRow("144 dpi cells") << at144Dpi << 28 << 38 << 1.0 << QPoint() << 24;
}

// The strip must look exactly like the single icons placed by hand: icon i
// centred in cell i, starting on a whole device pixel so that its outlines
// are as sharp as in its own pixmap, and nothing else drawn.
void TabuloIconsTest::stripCentresEachIconInItsCell()
{
    QFETCH(QList<int>, positions);
    QFETCH(int, cellWidth);
    QFETCH(int, height);
    QFETCH(qreal, dpr);
    QFETCH(QPoint, origin);
    QFETCH(int, iconSide);

    const QSize canvas(origin.x() + positions.last() + cellWidth, origin.y() + height);
    QImage actual = transparentImage(canvas, dpr);
    {
        QPainter painter(&actual);
        painter.translate(origin);
        icons::paintToolbarStrip(painter, positions, cellWidth, height, iconSide);
    }
    // Placed in device pixels: each icon's own pixmap, unscaled.
    QImage expected = transparentImage(canvas, dpr);
    expected.setDevicePixelRatio(1.0);
    {
        QPainter painter(&expected);
        const int count = std::min<int>(positions.size(), icons::toolbarIconCount);
        for (int i = 0; i < count; ++i) {
            const QPoint corner(positions[i] + (cellWidth - iconSide) / 2, (height - iconSide) / 2);
            const QPointF at = QPointF(origin + corner) * dpr;
            QPixmap icon = icons::toolbarIconPixmap(i, QSize(iconSide, iconSide), dpr);
            icon.setDevicePixelRatio(1.0);
            painter.drawPixmap(QPoint(qRound(at.x()), qRound(at.y())), icon);
        }
    }
    expected.setDevicePixelRatio(dpr);
    QCOMPARE(actual, expected);
}

void TabuloIconsTest::programIconOffersEverySize()
{
    const QIcon icon = icons::programIcon();
    QVERIFY(!icon.isNull());
    const QList<QSize> available = icon.availableSizes();
    for (int side : {16, 24, 32, 48, 256}) {
        const QSize size(side, side);
        QVERIFY2(available.contains(size), qPrintable(QString::number(side)));
        QCOMPARE(argb(icon.pixmap(size, 1.0)), argb(icons::programIconPixmap(side)));
    }
}

// The grip lines up with the window's corner: nothing in its top-left quarter,
// dots reaching to within a pixel or two of the right and bottom edges.
void TabuloIconsTest::sizeGripDotsSitInTheBottomRightCorner()
{
    for (qreal dpr : {1.0, 2.0}) {
        const QImage grip = argb(icons::sizeGripPicture(dpr));
        const QSize device = grip.size();
        const QImage topLeftQuarter = grip.copy(0, 0, device.width() / 2, device.height() / 2);
        QCOMPARE(countPixels(topLeftQuarter, isVisible), 0);
        const QRect corner(device.width() - 3 * dpr, device.height() - 3 * dpr, 3 * dpr, 3 * dpr);
        QVERIFY(countPixels(grip.copy(corner), isVisible) > 0);
    }
}

QTEST_MAIN(TabuloIconsTest)
#include "tst_tabulo_icons.moc"
