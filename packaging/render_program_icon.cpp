// Renders the program icon into an icon theme folder:
//     tabulo-render-icon DIR    writes DIR/<N>x<N>/apps/tabulo.png for each
//                               size and DIR/scalable/apps/tabulo.svg
// Run by the build with the offscreen platform, so it needs no display.

#include "ui/icons/tabulo_icons.h"

#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QPainter>
#include <QPixmap>
#include <QSvgGenerator>

#include <cstdio>

namespace {

// The size the scalable icon says it has; desktops scale it to whatever they need.
constexpr int scalableDesignSize = 256;

QString iconFolder(const char *themeFolder, const QString &sizeFolder)
{
    return QStringLiteral("%1/%2/apps").arg(QString::fromLocal8Bit(themeFolder), sizeFolder);
}

bool writeScalableIcon(const QString &file)
{
    QSvgGenerator svg;
    svg.setFileName(file);
    svg.setTitle(QStringLiteral("Tabulo"));
    svg.setDescription(QStringLiteral("A notepad whose lines add up to a green total"));
    svg.setSize(QSize(scalableDesignSize, scalableDesignSize));
    svg.setViewBox(QRect(0, 0, scalableDesignSize, scalableDesignSize));
    // Sizes in the file are then pixels: 96 dots an inch is a CSS pixel.
    svg.setResolution(96);
    QPainter painter;
    if (!painter.begin(&svg))
        return false;
    tabulo::icons::paintProgramIcon(painter, QRectF(0, 0, scalableDesignSize, scalableDesignSize));
    return painter.end() && QFileInfo(file).size() > 0;
}

int fail(const QString &file)
{
    std::fprintf(stderr, "tabulo-render-icon: cannot write %s\n", qPrintable(file));
    return 1;
}

} // namespace

int main(int argc, char *argv[])
{
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: tabulo-render-icon DIR\n");
        return 2;
    }
    // The drawn sizes, and the usual sizes of application launchers between them.
    QList<int> sizes = tabulo::icons::programIconSizes();
    sizes << 64 << 128;
    for (const int size : std::as_const(sizes)) {
        const QString folder = iconFolder(argv[1], QStringLiteral("%1x%1").arg(size));
        const QString file = folder + QStringLiteral("/tabulo.png");
        if (!QDir().mkpath(folder) || !tabulo::icons::programIconPixmap(size).save(file, "PNG"))
            return fail(file);
    }
    const QString folder = iconFolder(argv[1], QStringLiteral("scalable"));
    const QString file = folder + QStringLiteral("/tabulo.svg");
    if (!QDir().mkpath(folder) || !writeScalableIcon(file))
        return fail(file);
    return 0;
}
