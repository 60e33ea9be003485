// Shows every picture at 1x and 2x on the toolbar's grey, with the 1x strip
// and grip also blown up 4x so single pixels can be judged.
//   tabulo-icon-preview            opens the sheet in a window
//   tabulo-icon-preview --save DIR writes each picture and the sheet as PNG
//                                  (works with QT_QPA_PLATFORM=offscreen)

#include "ui/icons/tabulo_icons.h"

#include <QApplication>
#include <QDir>
#include <QPainter>
#include <QTextStream>
#include <QWidget>

#include <array>

namespace {

namespace icons = tabulo::icons;

constexpr std::array<const char *, icons::toolbarIconCount> toolbarNames {"new-note", "open-note", "save-note",
    "insert-script", "run-script", "undo", "redo", "cut", "copy", "paste", "find-replace", "calculator", "help"};
constexpr std::array<const char *, icons::quitPictureCount> quitNames {"exit-program", "send-to-tray", "cancel-quit"};

// The toolbar's cells: 285 by 375 twips at 96 DPI.
constexpr int cellWidth = 19;
constexpr int cellHeight = 25;
const QColor toolbarGrey(0xf0, 0xf0, 0xf0);

// A high-resolution picture shown pixel for pixel, not shrunk back to its
// logical size.
QPixmap devicePixels(QPixmap pixmap)
{
    pixmap.setDevicePixelRatio(1.0);
    return pixmap;
}

QPixmap enlarged(const QPixmap &pixmap, int factor)
{
    return devicePixels(pixmap).scaled(pixmap.size() * factor, Qt::IgnoreAspectRatio, Qt::FastTransformation);
}

QPixmap toolbarStrip(qreal dpr)
{
    QList<int> positions;
    for (int i = 0; i < icons::toolbarIconCount; ++i)
        positions.append(i * cellWidth);
    QPixmap strip(QSize(cellWidth * icons::toolbarIconCount, cellHeight) * dpr);
    strip.setDevicePixelRatio(dpr);
    strip.fill(toolbarGrey);
    QPainter painter(&strip);
    icons::paintToolbarStrip(painter, positions, cellWidth, cellHeight);
    return strip;
}

class SheetPainter
{
public:
    explicit SheetPainter(QPainter &painter)
        : painter_(painter)
    {
    }

    void paint()
    {
        painter_.fillRect(painter_.window(), toolbarGrey);
        heading("Toolbar strip: 1x, 2x, 1x enlarged 4x");
        row({toolbarStrip(1.0), devicePixels(toolbarStrip(2.0))});
        row({enlarged(toolbarStrip(1.0), 4)});

        heading("Quit dialog: 1x and 2x    Size grip: 1x, 2x, 1x enlarged 4x");
        QList<QPixmap> pictures;
        for (int i = 0; i < icons::quitPictureCount; ++i)
            pictures.append(icons::quitDialogPicture(i, 1.0));
        for (int i = 0; i < icons::quitPictureCount; ++i)
            pictures.append(devicePixels(icons::quitDialogPicture(i, 2.0)));
        pictures.append(icons::sizeGripPicture(1.0));
        pictures.append(devicePixels(icons::sizeGripPicture(2.0)));
        pictures.append(enlarged(icons::sizeGripPicture(1.0), 4));
        row(pictures);

        heading("Program icon: 16, 24, 32, 48, 256; 16 at 2x; 16 and 24 enlarged 4x");
        QList<QPixmap> programIcons;
        for (int size : icons::programIconSizes())
            programIcons.append(icons::programIconPixmap(size));
        programIcons.append(devicePixels(icons::programIconPixmap(16, 2.0)));
        programIcons.append(enlarged(icons::programIconPixmap(16), 4));
        programIcons.append(enlarged(icons::programIconPixmap(24), 4));
        row(programIcons);
    }

    int height() const { return y_; }

private:
    void heading(const QString &text)
    {
        y_ += 8;
        painter_.setPen(Qt::black);
        painter_.drawText(QPoint(margin, y_ + 12), text);
        y_ += 18;
    }

    void row(const QList<QPixmap> &pixmaps)
    {
        int x = margin;
        int tallest = 0;
        for (const QPixmap &pixmap : pixmaps) {
            painter_.drawPixmap(QPoint(x, y_), pixmap);
            const QSize size = pixmap.deviceIndependentSize().toSize();
            x += size.width() + spacing;
            tallest = std::max(tallest, size.height());
        }
        y_ += tallest + spacing;
    }

    static constexpr int margin = 8;
    static constexpr int spacing = 12;
    QPainter &painter_;
    int y_ = 0;
};

class PreviewWindow : public QWidget
{
public:
    PreviewWindow()
    {
        setWindowTitle("Tabulo pictures");
        setWindowIcon(icons::programIcon());
        resize(1024, 768);
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        SheetPainter(painter).paint();
    }
};

bool savePng(const QPixmap &pixmap, const QDir &dir, const QString &name)
{
    const QString path = dir.filePath(name + ".png");
    if (pixmap.save(path, "PNG"))
        return true;
    QTextStream(stderr) << "cannot write " << path << "\n";
    return false;
}

int saveAll(const QString &folder)
{
    QDir dir(folder);
    if (!dir.mkpath(".")) {
        QTextStream(stderr) << "cannot create " << folder << "\n";
        return 1;
    }
    bool ok = true;
    for (qreal dpr : {1.0, 2.0}) {
        const QString suffix = dpr == 1.0 ? "@1x" : "@2x";
        for (int i = 0; i < icons::toolbarIconCount; ++i) {
            const QString name = QString("toolbar-%1-%2").arg(i, 2, 10, QChar('0')).arg(toolbarNames[i]);
            ok &= savePng(icons::toolbarIconPixmap(i, icons::toolbarIconSize, dpr), dir, name + suffix);
        }
        for (int i = 0; i < icons::quitPictureCount; ++i) {
            const QString name = QString("quit-%1-%2").arg(i).arg(quitNames[i]);
            ok &= savePng(icons::quitDialogPicture(i, dpr), dir, name + suffix);
        }
        ok &= savePng(icons::sizeGripPicture(dpr), dir, "size-grip" + suffix);
        ok &= savePng(toolbarStrip(dpr), dir, "toolbar-strip" + suffix);
    }
    for (int size : icons::programIconSizes())
        ok &= savePng(icons::programIconPixmap(size), dir, QString("program-icon-%1").arg(size));

    QPixmap sheet(1024, 768);
    {
        QPainter painter(&sheet);
        SheetPainter(painter).paint();
    }
    ok &= savePng(sheet, dir, "sheet");
    return ok ? 0 : 1;
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const QStringList arguments = app.arguments();
    const qsizetype saveAt = arguments.indexOf("--save");
    if (saveAt >= 0) {
        if (saveAt + 1 >= arguments.size()) {
            QTextStream(stderr) << "usage: tabulo-icon-preview [--save DIR]\n";
            return 2;
        }
        return saveAll(arguments.at(saveAt + 1));
    }
    PreviewWindow window;
    window.show();
    return app.exec();
}
