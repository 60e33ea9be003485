// Renders the program icon into an icon theme folder, one PNG per size:
//     tabulo-render-icon DIR    writes DIR/<N>x<N>/apps/tabulo.png
// Run by the build with the offscreen platform, so it needs no display.

#include "ui/icons/tabulo_icons.h"

#include <QDir>
#include <QGuiApplication>
#include <QPixmap>

#include <cstdio>

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
        const QString folder = QStringLiteral("%1/%2x%2/apps").arg(QString::fromLocal8Bit(argv[1])).arg(size);
        const QString file = folder + QStringLiteral("/tabulo.png");
        if (!QDir().mkpath(folder) || !tabulo::icons::programIconPixmap(size).save(file, "PNG")) {
            std::fprintf(stderr, "tabulo-render-icon: cannot write %s\n", qPrintable(file));
            return 1;
        }
    }
    return 0;
}
