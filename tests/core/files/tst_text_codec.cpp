// Text as it comes from files: UTF-8 when valid, otherwise Windows-1252 (a
// note made on Windows), and never a character lost. Line ends: files may
// end lines with CR LF, CR or LF; the note uses CR LF; the editor widget "\n".

#include "core/files/text_codec.h"

#include <QTest>

using namespace tabulo;

class TextCodecTest : public QObject
{
    Q_OBJECT

private slots:
    void decodesFileBytes_data();
    void decodesFileBytes();
    void keepsEveryByteOfAFileThatIsNotUtf8();
    void encodesAsUtf8();
    void joinsLinesWithCrLf_data();
    void joinsLinesWithCrLf();
    void convertsBetweenEditorAndNoteLineEnds_data();
    void convertsBetweenEditorAndNoteLineEnds();
};

void TextCodecTest::decodesFileBytes_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("text");

    QTest::newRow("empty") << QByteArray() << QString();
    QTest::newRow("ascii") << QByteArray("+12,50 bread\r\n") << QStringLiteral("+12,50 bread\r\n");
    QTest::newRow("utf-8") << QByteArray("caff\xC3\xA8 \xE2\x82\xAC") << QStringLiteral("caff\u00e8 \u20ac");
    QTest::newRow("utf-8 outside the basic plane") << QByteArray("\xF0\x9F\x98\x80") << QStringLiteral("\U0001F600");
    QTest::newRow("utf-8 byte order mark dropped") << QByteArray("\xEF\xBB\xBF+5") << QStringLiteral("+5");
    QTest::newRow("only the first byte order mark dropped")
        << QByteArray("\xEF\xBB\xBF\xEF\xBB\xBF+5") << QStringLiteral("\uFEFF+5");
    QTest::newRow("windows-1252 euro") << QByteArray("+5 \x80") << QStringLiteral("+5 \u20ac");
    QTest::newRow("windows-1252 accented letter") << QByteArray("caff\xE8") << QStringLiteral("caff\u00e8");
    QTest::newRow("windows-1252 quotes") << QByteArray("\x93quoted\x94") << QStringLiteral("\u201cquoted\u201d");
    QTest::newRow("windows-1252 unassigned byte kept") << QByteArray("a\x81z") << QStringLiteral("a\u0081z");
    QTest::newRow("utf-8 cut short at the end") << QByteArray("abc\xC3") << QStringLiteral("abc\u00c3");
    QTest::newRow("overlong utf-8") << QByteArray("\xC0\xAF") << QStringLiteral("\u00c0\u00af");
    QTest::newRow("encoded surrogate is not utf-8")
        << QByteArray("\xED\xA0\x80") << QStringLiteral("\u00ed\u00a0\u20ac");
    QTest::newRow("NULs in valid utf-8 keep the length")
        << QByteArray("a\0b\0", 4) << QStringView(u"a\0b\0", 4).toString();
    QTest::newRow("utf-16 little-endian after its mark") << QByteArray("\xFF\xFE+\0"
                                                                       "5\0\xAC\x20\x3D\xD8\x00\xDE",
        12) << QStringLiteral("+5\u20ac\U0001F600");
    QTest::newRow("utf-16 big-endian after its mark") << QByteArray("\xFE\xFF\0+\0"
                                                                    "5\x20\xAC",
        8) << QStringLiteral("+5\u20ac");
    QTest::newRow("only a utf-16 mark") << QByteArray("\xFF\xFE") << QString();
    QTest::newRow("odd length after the mark is not utf-16") << QByteArray("\xFF\xFE+\0"
                                                                           "5",
        5)
                                                             << QStringView(u"\u00ff\u00fe+\0"
                                                                            "5",
                                                                    5)
                                                                    .toString();
    QTest::newRow("binary keeps the length")
        << QByteArray("\0\xFF\0\x80", 4) << QStringView(u"\0\u00ff\0\u20ac", 4).toString();
}

void TextCodecTest::decodesFileBytes()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, text);

    QCOMPARE(decodeText(bytes), text);
}

void TextCodecTest::keepsEveryByteOfAFileThatIsNotUtf8()
{
    QByteArray everyByte;
    for (int b = 0; b < 256; ++b)
        everyByte += char(b);
    const QString text = decodeText(everyByte);
    QCOMPARE(text.size(), everyByte.size());
    // Saved again (as UTF-8) and read back, it is the same text.
    QCOMPARE(decodeText(encodeText(text)), text);
}

void TextCodecTest::encodesAsUtf8()
{
    QCOMPARE(encodeText(u"+5 \u20ac caff\u00e8"), QByteArray("+5 \xE2\x82\xAC caff\xC3\xA8"));
    QCOMPARE(encodeText(u""), QByteArray());
    // A text that begins with U+FEFF reads back with it: the reader drops the
    // byte order mark written before it.
    for (const QString &text :
        {QStringLiteral("\uFEFF+5"), QStringLiteral("\uFEFF\uFEFF"), QStringLiteral("+5\uFEFF")}) {
        QCOMPARE(decodeText(encodeText(text)), text);
        QByteArray buffer;
        encodeTextInto(text, buffer);
        QCOMPARE(buffer, encodeText(text));
    }
}

void TextCodecTest::joinsLinesWithCrLf_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("joined");

    QTest::newRow("empty") << ""
                           << "";
    QTest::newRow("one line") << "a"
                              << "a";
    QTest::newRow("CR LF kept") << "a\r\nb"
                                << "a\r\nb";
    QTest::newRow("LF") << "a\nb"
                        << "a\r\nb";
    QTest::newRow("lone CR") << "a\rb"
                             << "a\r\nb";
    QTest::newRow("LF then CR is two line ends") << "a\n\rb"
                                                 << "a\r\n\r\nb";
    QTest::newRow("final line end dropped") << "a\r\nb\r\n"
                                            << "a\r\nb";
    QTest::newRow("only the final line end dropped") << "a\r\n\r\n"
                                                     << "a\r\n";
    QTest::newRow("a single line end is an empty note") << "\n"
                                                        << "";
    QTest::newRow("two line ends are one empty line") << "\n\n"
                                                      << "\r\n";
    QTest::newRow("mixed") << "a\rb\nc\r\nd"
                           << "a\r\nb\r\nc\r\nd";
}

void TextCodecTest::joinsLinesWithCrLf()
{
    QFETCH(QString, text);
    QFETCH(QString, joined);

    QCOMPARE(joinLinesWithCrLf(text), joined);
}

void TextCodecTest::convertsBetweenEditorAndNoteLineEnds_data()
{
    QTest::addColumn<QString>("editor");
    QTest::addColumn<QString>("note");

    QTest::newRow("empty") << ""
                           << "";
    QTest::newRow("one line") << "+5"
                              << "+5";
    QTest::newRow("two lines") << "+5\n+6"
                               << "+5\r\n+6";
    QTest::newRow("final line end") << "+5\n"
                                    << "+5\r\n";
    QTest::newRow("only a line end") << "\n"
                                     << "\r\n";
    QTest::newRow("empty lines") << "\n\na\n\n"
                                 << "\r\n\r\na\r\n\r\n";
}

void TextCodecTest::convertsBetweenEditorAndNoteLineEnds()
{
    QFETCH(QString, editor);
    QFETCH(QString, note);

    QCOMPARE(toCrLf(editor), note);
    QCOMPARE(fromCrLf(note), editor);
    // A note pasted with other line ends reaches the editor the same way.
    QCOMPARE(fromCrLf(QString(note).replace(QStringLiteral("\r\n"), QStringLiteral("\r"))), editor);
    QCOMPARE(fromCrLf(QString(note).replace(QStringLiteral("\r\n"), QStringLiteral("\n"))), editor);
}

QTEST_GUILESS_MAIN(TextCodecTest)
#include "tst_text_codec.moc"
