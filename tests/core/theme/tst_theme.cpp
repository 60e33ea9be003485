// Reading theme files as people write them by hand: every key, both colour
// notations, comments, repeated keys, values that do not convert, sizes in
// the user's locale; and the themes and template the program ships.

#include "core/theme/theme.h"

#include <QDir>
#include <QFile>
#include <QTest>

using namespace tabulo;

namespace {

template<typename T> void describe(QStringList &out, const char *key, const std::optional<T> &value)
{
    if (!value)
        return;
    if constexpr (std::is_same_v<T, QString>)
        out << QStringLiteral("%1=%2").arg(QLatin1StringView(key), *value);
    else
        out << QStringLiteral("%1=%2").arg(QLatin1StringView(key)).arg(*value);
}

// The keys a theme sets, in the template's order, as "key=value".
QString described(const Theme &t)
{
    QStringList out;
    describe(out, "fta_bcol", t.fta.background);
    describe(out, "fta_tcol", t.fta.text);
    describe(out, "fta_text", t.fta.font);
    describe(out, "fta_size", t.fta.size);
    describe(out, "fta_posi", t.fta.positive);
    describe(out, "fta_nega", t.fta.negative);
    describe(out, "edt_bcol", t.edt.background);
    describe(out, "edt_tcol", t.edt.text);
    describe(out, "edt_text", t.edt.font);
    describe(out, "edt_size", t.edt.size);
    describe(out, "ftb_bcol", t.ftb.background);
    describe(out, "ftb_tcol", t.ftb.text);
    describe(out, "ftb_text", t.ftb.font);
    describe(out, "ftb_size", t.ftb.size);
    describe(out, "ftb_posi", t.ftb.positive);
    describe(out, "ftb_nega", t.ftb.negative);
    describe(out, "cursor_size", t.cursor_size);
    return out.join(u' ');
}

int keysSet(const Theme &t)
{
    int set = int(t.cursor_size.has_value()) + int(t.edt.background.has_value()) + int(t.edt.text.has_value())
        + int(t.edt.font.has_value()) + int(t.edt.size.has_value());
    for (const Theme::Total *total : {&t.fta, &t.ftb})
        set += int(total->background.has_value()) + int(total->text.has_value()) + int(total->font.has_value())
            + int(total->size.has_value()) + int(total->positive.has_value()) + int(total->negative.has_value());
    return set;
}

QString readShipped(const QString &name)
{
    QFile file(QStringLiteral(TABULO_SOURCE_DATA "/") + name);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(file.readAll());
}

const QLocale us(QLocale::English, QLocale::UnitedStates);
const QLocale italian(QLocale::Italian, QLocale::Italy);

} // namespace

class ThemeTest : public QObject
{
    Q_OBJECT

private slots:
    void readsThemeFiles_data();
    void readsThemeFiles();
    void laterThemesOverrideOnlyWhatTheySet();
    void colourNumbersBothWays_data();
    void colourNumbersBothWays();
    void ColorToHtml_data();
    void ColorToHtml();
    void caretStaysVisible_data();
    void caretStaysVisible();
    void fontKinds_data();
    void fontKinds();
    void shippedThemesSetEveryKey_data();
    void shippedThemesSetEveryKey();
    void classicThemeIsTheDesignLook();
    void shippedChoiceNamesAShippedTheme();
};

void ThemeTest::readsThemeFiles_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QString>("sets");

    QTest::newRow("key in capitals, blanks around =") << "FTA_BCOL = &H000000FF" << us << "fta_bcol=255";
    QTest::newRow("decimal colour") << "edt_bcol=16777215" << us << "edt_bcol=16777215";
    QTest::newRow("hex with closing &") << "edt_tcol=&HFF0000&" << us << "edt_tcol=16711680";
    QTest::newRow("lower-case &h") << "edt_tcol=&hff" << us << "edt_tcol=255";
    QTest::newRow("later line wins") << "edt_size=14\nedt_size=10" << us << "edt_size=10";
    QTest::newRow("bad later value keeps earlier") << "edt_size=14\nedt_size=big" << us << "edt_size=14";
    QTest::newRow("colour not a number") << "fta_bcol=red" << us << "";
    QTest::newRow("colour above white") << "fta_bcol=16777216" << us << "";
    QTest::newRow("negative colour") << "fta_bcol=-1" << us << "";
    QTest::newRow("system colour code") << "fta_bcol=&H8000000F" << us << "";
    QTest::newRow("hex without digits") << "fta_bcol=&H" << us << "";
    QTest::newRow("hex with a sign") << "fta_bcol=&H-1" << us << "";
    QTest::newRow("comments and sections")
        << "# fta_bcol=1\n' fta_bcol=2\n[colours]\n\nfta_bcol=3" << us << "fta_bcol=3";
    QTest::newRow("indented comment") << "   # edt_size=20" << us << "";
    QTest::newRow("line without =") << "fta_bcol 255" << us << "";
    QTest::newRow("text after a second = ignored") << "edt_text = Courier = New" << us << "edt_text=Courier";
    QTest::newRow("unknown key") << "colour = 5\nfta_bcolour = 5" << us << "";
    QTest::newRow("empty font name") << "edt_text =" << us << "";
    QTest::newRow("font name with blanks") << "edt_text =  DejaVu Sans Mono  " << us << "edt_text=DejaVu Sans Mono";
    QTest::newRow("size with a decimal point") << "fta_size=10.5" << us << "fta_size=10.5";
    QTest::newRow("size with a decimal comma") << "fta_size=10,5" << italian << "fta_size=10.5";
    QTest::newRow("size zero") << "edt_size=0" << us << "";
    QTest::newRow("size negative") << "edt_size=-3" << us << "";
    QTest::newRow("size absurd") << "edt_size=100000" << us << "";
    QTest::newRow("caret") << "cursor_size = 7" << us << "cursor_size=7";
    QTest::newRow("caret negative, as written") << "cursor_size=-5" << us << "cursor_size=-5";
    QTest::newRow("caret at the 16-bit limit") << "cursor_size=32767" << us << "cursor_size=32767";
    QTest::newRow("caret beyond 16 bits") << "cursor_size=40000" << us << "";
    QTest::newRow("caret rounded") << "cursor_size=3,6" << italian << "cursor_size=4";
    QTest::newRow("caret not a number") << "cursor_size=wide" << us << "";
    QTest::newRow("sign colours kept as written")
        << "fta_posi = abc\nftb_nega=&H0000FF" << us << "fta_posi=abc ftb_nega=&H0000FF";
    QTest::newRow("empty sign colour not taken") << "fta_posi =\nfta_nega=255\nfta_nega=" << us << "fta_nega=255";
    QTest::newRow("every kind of line end") << "edt_size=9\r\nftb_size=8\rfta_size=7\n"
                                            << us << "fta_size=7 edt_size=9 ftb_size=8";
    QTest::newRow("binary bytes") << QString::fromLatin1("\x01\x02"
                                                         "fta_bcol\x00=\x7f\xff",
        14) << us << "";
    QTest::newRow("every key")
        << "fta_bcol=1\nfta_tcol=2\nfta_text=A\nfta_size=3\nfta_posi=4\nfta_nega=5\nedt_bcol=6\nedt_tcol=7\n"
           "edt_text=B\nedt_size=8\nftb_bcol=9\nftb_tcol=10\nftb_text=C\nftb_size=11\nftb_posi=12\nftb_nega=13\n"
           "cursor_size=14"
        << us
        << "fta_bcol=1 fta_tcol=2 fta_text=A fta_size=3 fta_posi=4 fta_nega=5 edt_bcol=6 edt_tcol=7 edt_text=B "
           "edt_size=8 ftb_bcol=9 ftb_tcol=10 ftb_text=C ftb_size=11 ftb_posi=12 ftb_nega=13 cursor_size=14";
}

void ThemeTest::readsThemeFiles()
{
    QFETCH(QString, file);
    QFETCH(QLocale, locale);
    QFETCH(QString, sets);
    QCOMPARE(described(Theme::parse(file, locale)), sets);
}

void ThemeTest::laterThemesOverrideOnlyWhatTheySet()
{
    const Theme wide = Theme::design().overriddenBy(Theme::parse(u"cursor_size=6\nedt_size=20", us));
    QCOMPARE(wide.cursor_size, 6);
    QCOMPARE(wide.edt.size, 20.0);
    QCOMPARE(wide.fta.positive, QStringLiteral("65280"));

    // A theme without a caret width keeps the one shown before it.
    const Theme next = wide.overriddenBy(Theme::parse(u"edt_bcol=0", us));
    QCOMPARE(next.cursor_size, 6);
    QCOMPARE(next.edt.background, 0u);
    QCOMPARE(next.edt.size, 20.0);
}

void ThemeTest::colourNumbersBothWays_data()
{
    QTest::addColumn<uint>("colour");
    QTest::addColumn<QString>("decimal");
    QTest::addColumn<QString>("hex");

    QTest::newRow("black") << 0u << "0"
                           << "&H00000000";
    QTest::newRow("red") << 255u << "255"
                         << "&H000000FF";
    QTest::newRow("blue") << 16711680u << "16711680"
                          << "&H00FF0000";
    QTest::newRow("white") << 16777215u << "16777215"
                           << "&H00FFFFFF";
    QTest::newRow("mixed") << 0x0A0B0Cu << "658188"
                           << "&H000A0B0C";
}

void ThemeTest::colourNumbersBothWays()
{
    QFETCH(uint, colour);
    QFETCH(QString, decimal);
    QFETCH(QString, hex);
    QCOMPARE(colourNumberAsDecimal(colour), decimal);
    QCOMPARE(colourNumberAsHex(colour), hex);
    QCOMPARE(parseColourNumber(decimal), colour);
    QCOMPARE(parseColourNumber(hex), colour);
}

void ThemeTest::ColorToHtml_data()
{
    QTest::addColumn<uint>("colour");
    QTest::addColumn<QString>("html");

    QTest::newRow("black") << 0u << "#000000";
    QTest::newRow("white") << 16777215u << "#FFFFFF";
    QTest::newRow("red") << 255u << "#FF0000";
    QTest::newRow("blue") << 16711680u << "#0000FF";
    QTest::newRow("padded to six digits") << 4660u << "#341200";
}

void ThemeTest::ColorToHtml()
{
    QFETCH(uint, colour);
    QFETCH(QString, html);
    QCOMPARE(tabulo::ColorToHtml(colour), html);
}

void ThemeTest::caretStaysVisible_data()
{
    QTest::addColumn<int>("cursorSize");
    QTest::addColumn<int>("drawn");

    QTest::newRow("negative") << -5 << 1;
    QTest::newRow("zero") << 0 << 1;
    QTest::newRow("one") << 1 << 1;
    QTest::newRow("usual") << 4 << 4;
    QTest::newRow("widest") << largestCaretWidth << largestCaretWidth;
    QTest::newRow("huge") << 32767 << largestCaretWidth;
}

void ThemeTest::caretStaysVisible()
{
    QFETCH(int, cursorSize);
    QFETCH(int, drawn);
    QCOMPARE(caretWidthFor(cursorSize), drawn);
}

void ThemeTest::fontKinds_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<FontKind>("kind");

    QTest::newRow("Courier New") << "Courier New" << FontKind::Monospace;
    QTest::newRow("Lucida Console") << "Lucida Console" << FontKind::Monospace;
    QTest::newRow("DejaVu Sans Mono") << "DejaVu Sans Mono" << FontKind::Monospace;
    QTest::newRow("Consolas") << "consolas" << FontKind::Monospace;
    QTest::newRow("Arial") << "Arial" << FontKind::SansSerif;
    QTest::newRow("Noto Sans") << "Noto Sans" << FontKind::SansSerif;
    QTest::newRow("Times New Roman") << "Times New Roman" << FontKind::Serif;
    QTest::newRow("Liberation Serif") << "Liberation Serif" << FontKind::Serif;
    QTest::newRow("made up") << "Zorglub" << FontKind::Unknown;
}

void ThemeTest::fontKinds()
{
    QFETCH(QString, name);
    QFETCH(FontKind, kind);
    QCOMPARE(fontKindOf(name), kind);
}

void ThemeTest::shippedThemesSetEveryKey_data()
{
    QTest::addColumn<QString>("file");
    QTest::newRow("template") << "blank.ini";
    const QStringList themes = QDir(QStringLiteral(TABULO_SOURCE_DATA "/Theme")).entryList({QStringLiteral("*.ini")});
    QVERIFY(themes.size() >= 4);
    for (const QString &theme : themes)
        QTest::newRow(qPrintable(theme)) << QStringLiteral("Theme/") + theme;
}

void ThemeTest::shippedThemesSetEveryKey()
{
    // Every key of the template and of the shipped themes converts: a key
    // left unset or mistyped would quietly keep the previous theme's value.
    QFETCH(QString, file);
    const QString text = readShipped(file);
    QVERIFY(!text.isEmpty());
    const Theme theme = Theme::parse(text, us);
    QCOMPARE(qsizetype(keysSet(theme)), qsizetype(themeKeys().size()));
    for (const QString *colour :
        {&*theme.fta.positive, &*theme.fta.negative, &*theme.ftb.positive, &*theme.ftb.negative})
        QVERIFY2(parseColourNumber(*colour), qPrintable(*colour));
    // Italian and English users read the same file: sizes must not depend on
    // the decimal separator.
    QCOMPARE(Theme::parse(text, italian), theme);
}

void ThemeTest::classicThemeIsTheDesignLook()
{
    QCOMPARE(
        described(Theme::parse(readShipped(QStringLiteral("Theme/Classico.ini")), us)), described(Theme::design()));
}

void ThemeTest::shippedChoiceNamesAShippedTheme()
{
    const QString chosen = readShipped(QStringLiteral("Theme.ini")).trimmed();
    QCOMPARE(chosen, QStringLiteral("Classico"));
    QVERIFY(QFile::exists(QStringLiteral(TABULO_SOURCE_DATA "/Theme/") + chosen + QStringLiteral(".ini")));
}

QTEST_GUILESS_MAIN(ThemeTest)
#include "tst_theme.moc"
