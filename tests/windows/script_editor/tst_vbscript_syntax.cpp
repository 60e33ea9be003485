// The script editor's colours: which stretches of a VBScript line get
// which colour, and colours that can be read on any theme's background.

#include "windows/script_editor/syntax_colours.h"
#include "windows/script_editor/vbscript_highlighter.h"
#include "windows/script_editor/vbscript_syntax.h"

#include <QTest>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextLayout>

using namespace tabulo;

namespace {

// One letter per character of the line: k keyword, h host object,
// s string, c comment, n number, d date, "." plain.
QString maskOf(QStringView line, const QList<SyntaxSpan> &spans)
{
    QString mask(line.size(), QLatin1Char('.'));
    for (const SyntaxSpan &span : spans) {
        static const char letters[] = {'k', 'h', 's', 'c', 'n', 'd'};
        for (qsizetype i = span.start; i < span.start + span.length && i < mask.size(); ++i)
            mask[i] = QLatin1Char(letters[int(span.kind)]);
    }
    return mask;
}

QString repeated(char letter, int count)
{
    return QString(count, QLatin1Char(letter));
}

} // namespace

class VbScriptSyntaxTest : public QObject
{
    Q_OBJECT
private slots:
    void coloursTheStretchesOfALine_data();
    void coloursTheStretchesOfALine();
    void highlighterFormatsTheDocument();
    void coloursReadWellOnEveryBackground_data();
    void coloursReadWellOnEveryBackground();
};

void VbScriptSyntaxTest::coloursTheStretchesOfALine_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<QString>("mask");

    QTest::newRow("keywords in any case") << "if X Then ELSE"
                                          << "kk...kkkk.kkkk";
    QTest::newRow("member names are not keywords") << "x.End = Next"
                                                   << "........kkkk";
    QTest::newRow("words that contain keywords") << "Endless = Forward + Dims" << repeated('.', 24);
    QTest::newRow("keywords after a colon") << "Dim a: ReDim Preserve a(2)"
                                            << "kkk....kkkkk.kkkkkkkk...n.";
    QTest::newRow("bracketed name") << "[End] = 1"
                                    << "........n";
    QTest::newRow("digits inside names") << "x1 = 2"
                                         << ".....n";
    QTest::newRow("string with doubled quotes") << "s = \"a \"\"b\"\" c\" & x"
                                                << "...." + repeated('s', 11) + "....";
    QTest::newRow("unclosed string runs to the end") << "Echo \"abc"
                                                     << "hhhh.ssss";
    QTest::newRow("apostrophe inside a string") << "x = \"it's\" ' c"
                                                << "....ssssss.ccc";
    QTest::newRow("comment after code") << "x = 1 ' says \"q\""
                                        << "....n." + repeated('c', 10);
    QTest::newRow("a comment holds no strings or keywords") << "' \"x\" & If" << repeated('c', 10);
    QTest::newRow("Rem at the start") << "Rem all of it" << repeated('c', 13);
    QTest::newRow("rem after a colon") << "x = 1: rem more"
                                       << "....n.." + repeated('c', 8);
    QTest::newRow("words beginning with rem") << "Remark = premium" << repeated('.', 16);
    QTest::newRow("hex, octal and decimal numbers") << "x = &HFF + &o17 + &17& + 3.5E-2 + .5"
                                                    << "....nnnn...nnnn...nnnn...nnnnnn...nn";
    QTest::newRow("ampersand joining strings") << "a & b &H"
                                               << "........";
    QTest::newRow("date literal") << "d = #1/2/2024# + 1"
                                  << "...." + repeated('d', 10) + "...n";
    QTest::newRow("a lone hash") << "x = 1 # 2"
                                 << "....n...n";
    QTest::newRow("host objects in any case") << "TotX = TotY + text.Length + echo2"
                                              << "hhhh...hhhh...hhhh...............";
    QTest::newRow("host object members") << "Tabulo.Text = ListBoxSort.Count"
                                         << "hhhhhh....."
                                            "..."
                                            "hhhhhhhhhhh"
                                            "......";
    QTest::newRow("empty line") << ""
                                << "";
}

void VbScriptSyntaxTest::coloursTheStretchesOfALine()
{
    QFETCH(QString, line);
    QFETCH(QString, mask);
    QCOMPARE(mask.size(), line.size()); // the row itself is well formed
    QCOMPARE(maskOf(line, vbscriptSpans(line)), mask);
}

void VbScriptSyntaxTest::highlighterFormatsTheDocument()
{
    QTextDocument document;
    document.setPlainText(QStringLiteral("x = 1\nIf x Then Echo \"a\" ' done"));
    auto *highlighter = new VbScriptHighlighter(&document);
    QTest::qWait(20); // a new highlighter colours the whole text once, deferred
    const QTextBlock second = document.findBlockByNumber(1);

    const auto formatsOf = [&](const QTextBlock &block) {
        QStringList seen;
        for (const QTextLayout::FormatRange &range : block.layout()->formats())
            seen << QStringLiteral("%1+%2 %3")
                        .arg(range.start)
                        .arg(range.length)
                        .arg(range.format.foreground().color().name());
        return seen;
    };
    const SyntaxColours light = highlighter->colours();
    QCOMPARE(formatsOf(second),
        (QStringList {QStringLiteral("0+2 %1").arg(light.keyword.name()),
            QStringLiteral("5+4 %1").arg(light.keyword.name()), QStringLiteral("10+4 %1").arg(light.hostObject.name()),
            QStringLiteral("15+3 %1").arg(light.string.name()), QStringLiteral("19+6 %1").arg(light.comment.name())}));

    // A dark theme recolours what is already there.
    const SyntaxColours dark = syntaxColoursFor(QColor(0x1E, 0x1E, 0x1E), QColor(0xD4, 0xD4, 0xD4));
    highlighter->setColours(dark);
    QCOMPARE(formatsOf(document.firstBlock()), QStringList {QStringLiteral("4+1 %1").arg(dark.number.name())});
    QCOMPARE(formatsOf(second).constFirst(), QStringLiteral("0+2 %1").arg(dark.keyword.name()));
}

void VbScriptSyntaxTest::coloursReadWellOnEveryBackground_data()
{
    QTest::addColumn<QColor>("background");
    QTest::addColumn<QColor>("text");

    // The shipped themes' note colours, and backgrounds a user might choose.
    QTest::newRow("Classico (white)") << QColor(Qt::white) << QColor(Qt::black);
    QTest::newRow("Alto Contrasto (black)") << QColor(Qt::black) << QColor(Qt::white);
    QTest::newRow("Scuro") << QColor(0x1E, 0x1E, 0x1E) << QColor(0xD4, 0xD4, 0xD4);
    QTest::newRow("Chiaro") << QColor(0xFC, 0xFC, 0xF7) << QColor(0x20, 0x21, 0x24);
    QTest::newRow("navy") << QColor(0, 0, 128) << QColor(Qt::white);
    QTest::newRow("yellow") << QColor(255, 255, 0) << QColor(Qt::black);
    QTest::newRow("mid grey") << QColor(128, 128, 128) << QColor(Qt::black);
    QTest::newRow("dark green") << QColor(0, 80, 0) << QColor(Qt::white);
    QTest::newRow("dark blue-grey") << QColor(0x30, 0x38, 0x48) << QColor(0xE0, 0xE0, 0xE0);
}

void VbScriptSyntaxTest::coloursReadWellOnEveryBackground()
{
    QFETCH(QColor, background);
    QFETCH(QColor, text);
    const SyntaxColours colours = syntaxColoursFor(background, text);
    for (const SyntaxKind kind : {SyntaxKind::Keyword, SyntaxKind::HostObject, SyntaxKind::String, SyntaxKind::Comment,
             SyntaxKind::Number, SyntaxKind::Date}) {
        const double contrast = contrastRatio(background, colours.colourOf(kind));
        QVERIFY2(contrast >= 4.5,
            qPrintable(QStringLiteral("kind %1: contrast %2 of %3 on %4")
                           .arg(int(kind))
                           .arg(contrast)
                           .arg(colours.colourOf(kind).name(), background.name())));
    }
    QVERIFY(contrastRatio(colours.gutterBackground, colours.gutterText) >= 3.0);
    // Dark backgrounds get light colours, light ones dark colours.
    const bool darkBackground = background.lightnessF() < 0.5;
    QCOMPARE(colours.keyword.lightnessF() > background.lightnessF(), darkBackground);
    // The kinds stay apart from each other.
    QVERIFY(colours.keyword != colours.string);
    QVERIFY(colours.comment != colours.keyword);
}

QTEST_MAIN(VbScriptSyntaxTest)
#include "tst_vbscript_syntax.moc"
