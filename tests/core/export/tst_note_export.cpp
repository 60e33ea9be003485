// The text and page builders of the exports, without a display.

#include "core/export/note_export.h"

#include <QTest>

using namespace tabulo;

class NoteExportTest : public QObject
{
    Q_OBJECT
private slots:
    void textExportEndsWithTheRuleAndTheTotal()
    {
        QCOMPARE(noteTextExport(u"100\r\n+50", u"150"),
            QStringLiteral("100\r\n+50\r\n===========================\r\n150\r\n"));
        QCOMPARE(noteTextExport(u"", u"0"), QStringLiteral("\r\n===========================\r\n0\r\n"));
    }

    void pageText_data()
    {
        QTest::addColumn<QString>("note");
        QTest::addColumn<QString>("expected");
        QTest::newRow("two spaces become one") << "a  b"
                                               << "a b";
        QTest::newRow("four spaces become two") << "a    b"
                                                << "a  b";
        QTest::newRow("three spaces become two") << "a   b"
                                                 << "a  b";
        QTest::newRow("one space stays") << "a b"
                                         << "a b";
        QTest::newRow("two lines") << "1\r\n2"
                                   << "1<br />2";
        QTest::newRow("empty lines kept") << "1\r\n\r\n2\r\n"
                                          << "1<br /><br />2<br />";
        QTest::newRow("a tag is shown, not run") << "<script>alert(1)</script>"
                                                 << "&lt;script&gt;alert(1)&lt;/script&gt;";
        QTest::newRow("ampersand escaped once") << "a & b &amp;"
                                                << "a &amp; b &amp;amp;";
        QTest::newRow("lone carriage return kept") << "a\rb"
                                                   << "a\rb";
        QTest::newRow("accents and symbols pass") << "però € 5"
                                                  << "però € 5";
        QTest::newRow("percent signs are no placeholders") << "%1 %2"
                                                           << "%1 %2";
    }
    void pageText()
    {
        QFETCH(QString, note);
        QFETCH(QString, expected);
        QCOMPARE(tabulo::pageText(note), expected);
    }

    void pageFontSize_data()
    {
        QTest::addColumn<double>("points");
        QTest::addColumn<QString>("expected");
        QTest::newRow("whole") << 12.0 << "12";
        QTest::newRow("quarter") << 9.75 << "9.75";
        QTest::newRow("half") << 10.5 << "10.5";
        QTest::newRow("large") << 1000000.0 << "1000000";
    }
    void pageFontSize()
    {
        QFETCH(double, points);
        QFETCH(QString, expected);
        QCOMPARE(tabulo::pageFontSize(points), expected);
    }

    void notePageHasItsTwelveLines()
    {
        const PageStyle style {QStringLiteral("#FFFFFF"), QStringLiteral("#000000"), QStringLiteral("Courier New"), 12};
        const QString page = htmlPage(u"1  +  2\r\n<b>3</b>", style);
        const QStringList lines = page.split(QStringLiteral("\r\n"));
        QCOMPARE(lines,
            (QStringList {"<html>", "<head>", "<title>Output</title>", "</head>", "<body bgcolor='#FFFFFF'>",
                "<font face='Courier New' color='#000000'>", "<span style='font-size: 12pt'>",
                "1 + 2<br />&lt;b&gt;3&lt;/b&gt;", "</span>", "</font>", "</body>", "</html>", ""}));
    }

    void scriptOutputPageOpensAPlainBodyFirst()
    {
        const PageStyle style {QStringLiteral("#000000"), QStringLiteral("#00FF00"), QStringLiteral("Arial"), 9.75};
        const QStringList lines = htmlPage(u"ok", style, PageKind::ScriptOutput).split(QStringLiteral("\r\n"));
        QCOMPARE(lines.mid(3, 5),
            (QStringList {"</head>", "<body>", "<body bgcolor='#000000'>", "<font face='Arial' color='#00FF00'>",
                "<span style='font-size: 9.75pt'>"}));
    }

    void aFontNameCannotBreakItsAttribute()
    {
        const PageStyle style {
            QStringLiteral("#FFFFFF"), QStringLiteral("#000000"), QStringLiteral("x' onload='y"), 12};
        QVERIFY(htmlPage(u"", style).contains(QStringLiteral("<font face='x&#39; onload=&#39;y' color='#000000'>")));
    }
};

QTEST_APPLESS_MAIN(NoteExportTest)
#include "tst_note_export.moc"
