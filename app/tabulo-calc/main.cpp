// tabulo-calc [--lines] [FILE]: prints the total of a note exactly as the
// main window shows it, in the current locale. With --lines it prints the
// running total after each note line that counted, as the running totals
// column shows it.

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
#include <optional>

namespace {

constexpr int unreadableInput = 1;
constexpr int badArguments = 2;

void usage(QTextStream &stream)
{
    stream << "Usage: tabulo-calc [--lines] [FILE]\n"
              "Sums the operator lines of a note (standard input when no FILE is given or FILE is -).\n"
              "  --lines    print the running total after each line that counts\n"
              "  --version  print the version\n"
              "  --help     print this help\n";
}

// The note's text, or nothing after saying on standard error why it cannot
// be read: binary data would give a total of noise.
std::optional<QString> readNote(const QString &path, QTextStream &err)
{
    const bool standardInput = path.isEmpty() || path == QLatin1String("-");
    const QString name = standardInput ? QStringLiteral("standard input") : path;
    QString text;
    if (standardInput) {
        QFile input;
        if (!input.open(stdin, QIODevice::ReadOnly)) {
            err << "tabulo-calc: cannot read standard input\n";
            return std::nullopt;
        }
        text = tabulo::decodeText(input.readAll());
    } else {
        tabulo::FileResult failure;
        auto read = tabulo::readTextFile(path, &failure);
        if (!read) {
            err << "tabulo-calc: cannot read " << path << ": " << failure.error << "\n";
            return std::nullopt;
        }
        text = *std::move(read);
    }
    if (tabulo::holdsBinaryData(text)) {
        err << "tabulo-calc: cannot read " << name << ": it is not a text file, it holds binary data\n";
        return std::nullopt;
    }
    return text;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    QTextStream err(stderr);

    bool lines = false;
    bool pathGiven = false;
    QString path;
    const QStringList args = app.arguments().mid(1);
    for (const QString &arg : args) {
        if (arg == QLatin1String("--lines")) {
            lines = true;
        } else if (arg == QLatin1String("--help") || arg == QLatin1String("-h")) {
            usage(out);
            return 0;
        } else if (arg == QLatin1String("--version")) {
            out << "tabulo-calc " << TABULO_VERSION << "\n";
            return 0;
        } else if ((arg.startsWith(QLatin1Char('-')) && arg != QLatin1String("-")) || pathGiven) {
            err << "tabulo-calc: " << (pathGiven ? "only one FILE, not " : "unknown option ") << arg << "\n";
            usage(err);
            return badArguments;
        } else {
            path = arg;
            pathGiven = true;
        }
    }

    const std::optional<QString> text = readNote(path, err);
    if (!text)
        return unreadableInput;

    const tabulo::NumberFormat format(QLocale::system());
    const tabulo::LineEngine engine(format);
    if (!lines) {
        out << format.format(engine.evaluate(*text).total) << '\n';
        return 0;
    }
    tabulo::Decimal total;
    tabulo::forEachLine(*text, [&](QStringView line) {
        bool counted = false;
        engine.forEachCountedOperation(line, [&](const tabulo::CountedOperation &operation) {
            total = operation.applyTo(total);
            counted = true;
        });
        if (counted)
            out << format.format(total) << '\n';
    });
    return 0;
}
