// tabulo-calc [--lines] [FILE]: prints the total of a note exactly as the
// main window shows it, in the current locale. With --lines it prints the
// running total after each counted line instead.

#include "core/engine/line_engine.h"
#include "core/files/text_codec.h"
#include "core/files/text_file.h"
#include "core/numbers/number_format.h"

#include <QCoreApplication>
#include <QFile>
#include <QLocale>
#include <QStringList>
#include <QTextStream>

#include <cstdio>

namespace {

int usage(QTextStream &err)
{
    err << "Usage: tabulo-calc [--lines] [FILE]\n"
           "Sums the operator lines of a note (standard input when no FILE is given).\n";
    return 2;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    QTextStream err(stderr);

    bool lines = false;
    QString path;
    const QStringList args = app.arguments().mid(1);
    for (const QString &arg : args) {
        if (arg == QLatin1String("--lines"))
            lines = true;
        else if (arg == QLatin1String("--help") || arg == QLatin1String("-h"))
            return usage(out);
        else if (arg.startsWith(QLatin1String("--")) || !path.isEmpty())
            return usage(err);
        else
            path = arg;
    }

    QString text;
    if (path.isEmpty() || path == QLatin1String("-")) {
        QFile input;
        if (!input.open(stdin, QIODevice::ReadOnly)) {
            err << "tabulo-calc: cannot read standard input\n";
            return 1;
        }
        text = tabulo::decodeText(input.readAll());
    } else {
        tabulo::FileResult failure;
        const auto read = tabulo::readTextFile(path, &failure);
        if (!read) {
            err << "tabulo-calc: cannot read " << path << ": " << failure.error << "\n";
            return 1;
        }
        text = *read;
    }

    const tabulo::NumberFormat format(QLocale::system());
    const tabulo::LineEngine engine(format);
    if (lines) {
        engine.evaluate(text, [&](double total) { out << format.format(total) << '\n'; });
    } else {
        out << format.format(engine.evaluate(text).total) << '\n';
    }
    return 0;
}
