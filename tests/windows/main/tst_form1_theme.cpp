// Themes on the real main window: the theme named in Theme.ini at start-up,
// choosing another from the "Colori" menu, the caret width, "Crea Tema..."
// and "Gestisci Temi...", and theme files that are wrong in every way.

#include "tests/windows/main/window_test_support.h"

#include "ui/theme/colour_picker.h"
#include "ui/theme/theme_menu.h"

#include <QMenu>
#include <QStyle>

using namespace tabulo;
using namespace tabulo::testing;

namespace {

// Red editor with white text, green first band, blue and yellow totals.
const QByteArray rosso = "edt_bcol = 255\r\nedt_tcol=16777215\r\nedt_size=15\r\nfta_bcol=65280\r\n"
                         "fta_posi=16711680\r\nfta_nega=&H0000FFFF\r\nftb_bcol=&HFF00FF\r\n"
                         "ftb_posi=16711680\r\nftb_nega=65535\r\ncursor_size=6\r\n";
// No caret width of its own; cyan and magenta totals on grey.
const QByteArray verde = "EDT_BCOL=&H00C0C0C0\r\nfta_posi=&HFFFF00\r\nfta_nega=&HFF00FF\r\n"
                         "ftb_posi=&HFFFF00\r\nftb_nega=&HFF00FF\r\n";

const QColor red(255, 0, 0), white(255, 255, 255), green(0, 255, 0), blue(0, 0, 255), yellow(255, 255, 0),
    magenta(255, 0, 255), cyan(0, 255, 255), grey(0xC0, 0xC0, 0xC0);

WindowSetup withThemes(const QByteArray &chosen, QList<std::pair<QString, QByteArray>> more = {})
{
    WindowSetup setup;
    setup.dataFiles = {{QStringLiteral("Theme/Rosso.ini"), rosso}, {QStringLiteral("Theme/Verde.ini"), verde}};
    if (!chosen.isNull())
        setup.dataFiles.append({QStringLiteral("Theme.ini"), chosen});
    setup.dataFiles.append(more);
    return setup;
}

QColor base(const QWidget *w)
{
    return w->palette().color(QPalette::Base);
}
QColor background(const QWidget *w)
{
    return w->palette().color(QPalette::Window);
}

int boxCaretWidth(const TotalBox *box)
{
    return box->style()->pixelMetric(QStyle::PM_TextCursorWidth, nullptr, box);
}

QStringList captions(const Form1 &window)
{
    QStringList shown;
    for (const QAction *item : window.theme().themes()->items())
        shown << item->text() + (item->isChecked() ? QStringLiteral(" [x]") : QString());
    return shown;
}

void choose(Form1 &window, const QString &name)
{
    for (QAction *item : window.theme().themes()->items()) {
        if (item->text() == name) {
            item->trigger();
            return;
        }
    }
    QFAIL(qPrintable(QStringLiteral("no theme item %1").arg(name)));
}

} // namespace

class Form1ThemeTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { useUnrelatedDefaultLocale(); }
    void startUpAppliesTheChosenTheme();
    void withoutThemesTheDesignLookStays();
    void choosingAThemeRecoloursAtOnceAndIsRemembered();
    void caretWidthFollowsCursorSize_data();
    void caretWidthFollowsCursorSize();
    void badThemeFilesLeaveTheWindowUsable_data();
    void badThemeFilesLeaveTheWindowUsable();
    void missingFontFallsBackToTheSameKind();
    void choiceThatCannotBeRememberedIsStillApplied();
    void secondBandFollowsTheSecondTotalOnlyWhenItHasOne();
    void creaTemaRefusesNamesItCannotUse();
    void withoutThemeFolderCreaTemaAndGestisciTemiSaySo();
    void gestisciTemiOpensTheFolder();
};

void Form1ThemeTest::startUpAppliesTheChosenTheme()
{
    WindowFixture fixture(withThemes("# chosen theme\r\nRosso\r\n"));
    QVERIFY(fixture.ready());
    Form1 &w = fixture.window();

    QCOMPARE(captions(w), QStringList({"Rosso [x]", "Verde"}));
    QCOMPARE(base(w.text1()), red);
    QCOMPARE(w.text1()->palette().color(QPalette::Text), white);
    QCOMPARE(base(w.editor2()), red); // the twin editor follows Text1
    QCOMPARE(w.editor2()->fontPointSize(), 15.0);
    QCOMPARE(background(w.picture1()), green);
    QCOMPARE(base(w.text2()), green);
    QCOMPARE(base(w.text3()), magenta);
    QCOMPARE(background(w.centralWidget()), red);
    QCOMPARE(w.text1()->cursorWidth(), 6);
    QCOMPARE(textColour(w.text2()), blue); // a total of 0 is not negative

    // "[T]" restores the theme's size.
    w.action(QStringLiteral("AumentaTestoX"))->trigger();
    QCOMPARE(w.text1()->fontPointSize(), 16.0);
    w.action(QStringLiteral("NormalizzaTestoX"))->trigger();
    QCOMPARE(w.text1()->fontPointSize(), 15.0);

    // The quit dialog takes the window's background.
    w.close();
    QTRY_VERIFY(w.quitSequence().quitDialog() && w.quitSequence().quitDialog()->isVisible());
    QCOMPARE(background(w.quitSequence().quitDialog()), red);
    w.quitSequence().quitDialog()->close();
}

void Form1ThemeTest::withoutThemesTheDesignLookStays()
{
    WindowFixture fixture;
    QVERIFY(fixture.ready());
    Form1 &w = fixture.window();
    QCOMPARE(captions(w), QStringList({"Temi"}));
    QVERIFY(!w.theme().themes()->items().first()->isEnabled()); // nothing to choose
    QCOMPARE(w.text1()->fontPointSize(), 12.0);
    QCOMPARE(w.text1()->cursorWidth(), 2);
    QCOMPARE(base(w.text2()), QColor(Qt::black));
    typeIntoNote(w, QStringLiteral("-4"));
    QCOMPARE(textColour(w.text2()), negativeRed);
}

void Form1ThemeTest::choosingAThemeRecoloursAtOnceAndIsRemembered()
{
    WindowFixture fixture(withThemes("Rosso"));
    QVERIFY(fixture.ready());
    Form1 &w = fixture.window();
    typeIntoNote(w, QStringLiteral("-5"));
    QCOMPARE(w.text2()->text(), QStringLiteral("-5"));
    QCOMPARE(textColour(w.text2()), yellow);

    choose(w, QStringLiteral("Verde"));
    QCOMPARE(fixture.readDataFile(QStringLiteral("Theme.ini")), QByteArray("Verde\r\n"));
    QCOMPARE(captions(w), QStringList({"Rosso", "Verde [x]"}));
    QCOMPARE(base(w.text1()), grey);
    QCOMPARE(base(w.editor2()), grey);
    QCOMPARE(textColour(w.text2()), magenta); // at once, not at the next change
    QCOMPARE(textColour(w.text3()), magenta);
    // What Verde leaves out stays as Rosso set it.
    QCOMPARE(w.text1()->cursorWidth(), 6);
    QCOMPARE(w.text1()->fontPointSize(), 15.0);
    QCOMPARE(base(w.text2()), green);

    typeIntoNote(w, QStringLiteral("\n+10"));
    QCOMPARE(w.text2()->text(), QStringLiteral("5"));
    QCOMPARE(textColour(w.text2()), cyan);
    QCOMPARE(fixture.prompts.shown().size(), 0);
}

void Form1ThemeTest::caretWidthFollowsCursorSize_data()
{
    QTest::addColumn<QByteArray>("cursorSize");
    QTest::addColumn<int>("width");

    QTest::newRow("usual") << QByteArray("3") << 3;
    QTest::newRow("zero") << QByteArray("0") << 1;
    QTest::newRow("negative") << QByteArray("-3") << 1;
    QTest::newRow("huge") << QByteArray("32767") << largestCaretWidth;
    QTest::newRow("not a number keeps the design") << QByteArray("wide") << 2;
}

void Form1ThemeTest::caretWidthFollowsCursorSize()
{
    QFETCH(QByteArray, cursorSize);
    QFETCH(int, width);
    WindowFixture fixture(withThemes("Caret", {{QStringLiteral("Theme/Caret.ini"), "cursor_size=" + cursorSize}}));
    QVERIFY(fixture.ready());
    Form1 &w = fixture.window();
    QCOMPARE(w.text1()->cursorWidth(), width);
    QCOMPARE(w.editor2()->cursorWidth(), width);
    QCOMPARE(boxCaretWidth(w.text2()), width);
    QCOMPARE(boxCaretWidth(w.text3()), width);
    // The wrapping editor shows the same caret when it is the one in use.
    w.action(QStringLiteral("SoloVerticaleX"))->trigger();
    QCOMPARE(w.visibleEditor()->cursorWidth(), width);
}

void Form1ThemeTest::badThemeFilesLeaveTheWindowUsable_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QColor>("positiveTotal");

    // A sign colour that is no colour leaves the total's colour as it was:
    // the white of the design text colour.
    QTest::newRow("bad values") << QByteArray("edt_bcol=red\r\nedt_size=-4\r\nfta_size=1e9\r\ncursor_size=999999\r\n"
                                              "fta_bcol=&H80000005\r\nedt_text=\r\nfta_posi=nothing\r\n")
                                << white;
    QTest::newRow("binary") << QByteArray("\x00\x01\xff\xfe=\x00=edt_size\r\n\x89PNG", 15) << positiveGreen;
    QTest::newRow("huge") << QByteArray(3 * 1024 * 1024, '=') + "\r\nedt_bcol=255\r\n" << positiveGreen;
    QTest::newRow("empty") << QByteArray() << positiveGreen;
}

void Form1ThemeTest::badThemeFilesLeaveTheWindowUsable()
{
    QFETCH(QByteArray, file);
    QFETCH(QColor, positiveTotal);
    WindowFixture fixture(withThemes("Rotto", {{QStringLiteral("Theme/Rotto.ini"), file}}));
    QVERIFY(fixture.ready());
    Form1 &w = fixture.window();
    QCOMPARE(w.text1()->fontPointSize(), 12.0);
    QCOMPARE(w.text1()->cursorWidth(), 2);
    QCOMPARE(base(w.text2()), QColor(Qt::black));
    QVERIFY(w.text1()->font().family() != QString());
    typeIntoNote(w, QStringLiteral("+2"));
    QCOMPARE(w.text2()->text(), QStringLiteral("2"));
    QCOMPARE(textColour(w.text2()), positiveTotal);
    // And the next good theme still applies.
    choose(w, QStringLiteral("Rosso"));
    QCOMPARE(base(w.text1()), red);
}

void Form1ThemeTest::missingFontFallsBackToTheSameKind()
{
    WindowFixture fixture(withThemes(
        "Font", {{QStringLiteral("Theme/Font.ini"), "edt_text=Zorglub Nowhere\r\nfta_text=Arial\r\nedt_size=13"}}));
    QVERIFY(fixture.ready());
    Form1 &w = fixture.window();
    // The name is asked for as written; where it is missing, the toolkit
    // takes a face of the kind the hint names.
    QCOMPARE(w.text1()->font().family(), QStringLiteral("Zorglub Nowhere"));
    QCOMPARE(w.text1()->font().styleHint(), QFont::TypeWriter);
    QCOMPARE(w.editor2()->font().family(), QStringLiteral("Zorglub Nowhere"));
    QCOMPARE(w.text2()->font().styleHint(), QFont::SansSerif);
    QCOMPARE(w.text1()->fontPointSize(), 13.0);
}

void Form1ThemeTest::choiceThatCannotBeRememberedIsStillApplied()
{
    WindowFixture fixture(withThemes(QByteArray()));
    QVERIFY(fixture.ready());
    // A folder stands where Theme.ini would be written.
    QVERIFY(QDir().mkpath(fixture.dataFile(QStringLiteral("Theme.ini"))));
    Form1 &w = fixture.window();
    choose(w, QStringLiteral("Rosso"));
    QCOMPARE(base(w.text1()), red);
    const QStringList errors = fixture.prompts.takeErrors();
    QCOMPARE(errors.size(), 1);
    QVERIFY2(errors[0].contains(QDir::toNativeSeparators(fixture.dataFile(QStringLiteral("Theme.ini")))),
        qPrintable(errors[0]));
}

void Form1ThemeTest::secondBandFollowsTheSecondTotalOnlyWhenItHasOne()
{
    for (const LayoutVariant variant : {LayoutVariant::TotalsAtBottom, LayoutVariant::TotalAtTop}) {
        WindowSetup setup = withThemes("Rosso");
        setup.variant = variant;
        WindowFixture fixture(setup);
        QVERIFY(fixture.ready());
        Form1 &w = fixture.window();
        QCOMPARE(background(w.picture1()), green);
        if (variant == LayoutVariant::TotalAtTop)
            QCOMPARE(background(w.picture2()), magenta);
        else
            QVERIFY(!w.picture2());
    }
}

void Form1ThemeTest::creaTemaRefusesNamesItCannotUse()
{
    WindowFixture fixture(withThemes("Rosso", {{QStringLiteral("blank.ini"), "# template\nedt_size = 12\n"}}));
    QVERIFY(fixture.ready());
    Form1 &w = fixture.window();
    fixture.prompts.queueTextInput(QStringLiteral("<?*>")); // nothing left of it
    fixture.prompts.queueTextInput(QStringLiteral("Rosso")); // taken
    fixture.prompts.queueTextInput(QStringLiteral("Ma:re")); // becomes "Mare"
    w.action(QStringLiteral("CreaTemaX"))->trigger();

    QCOMPARE(fixture.prompts.count(ScriptedPrompts::Kind::TextInput), 3);
    QCOMPARE(fixture.prompts.count(ScriptedPrompts::Kind::Information), 2);
    QCOMPARE(fixture.prompts.shown().at(3).text, fixture.window().languageText(98));
    QCOMPARE(fixture.readDataFile(QStringLiteral("Theme/Rosso.ini")), rosso);
    QCOMPARE(QDir(fixture.dataFile(QStringLiteral("Theme"))).entryList(QDir::Files),
        QStringList({"Mare.ini", "Rosso.ini", "Verde.ini"}));
    const QString created = fixture.dataFile(QStringLiteral("Theme/Mare.ini"));
    QCOMPARE(fixture.readDataFile(QStringLiteral("Theme/Mare.ini")), QByteArray("# template\r\nedt_size = 12\r\n\r\n"));
    QCOMPARE(fixture.desktop.requests, QStringList({QStringLiteral("editor ") + created}));
    QVERIFY(w.theme().themes()->colourPicker() && w.theme().themes()->colourPicker()->isVisible());

    // Cancel ends the command at once.
    fixture.prompts.queueTextInput(std::nullopt);
    w.action(QStringLiteral("CreaTemaX"))->trigger();
    QCOMPARE(fixture.prompts.count(ScriptedPrompts::Kind::TextInput), 4);

    // The new theme is listed the next time themes are loaded.
    choose(w, QStringLiteral("Verde"));
    QCOMPARE(captions(w), QStringList({"Mare", "Rosso", "Verde [x]"}));
}

void Form1ThemeTest::withoutThemeFolderCreaTemaAndGestisciTemiSaySo()
{
    WindowFixture fixture;
    QVERIFY(fixture.ready());
    fixture.prompts.queueTextInput(QStringLiteral("Mare"));
    fixture.window().action(QStringLiteral("CreaTemaX"))->trigger();
    const QStringList errors = fixture.prompts.takeErrors();
    QCOMPARE(errors.size(), 1);
    QVERIFY2(
        errors[0].contains(QDir::toNativeSeparators(fixture.dataFile(QStringLiteral("Theme")))), qPrintable(errors[0]));
    QVERIFY(!fixture.dataFileExists(QStringLiteral("Theme")));

    // Nor can a missing folder be opened.
    fixture.window().action(QStringLiteral("GestisciTemiX"))->trigger();
    QCOMPARE(fixture.prompts.takeErrors().size(), 1);
    QCOMPARE(fixture.desktop.requests, QStringList());
}

void Form1ThemeTest::gestisciTemiOpensTheFolder()
{
    WindowFixture fixture(withThemes("Rosso"));
    QVERIFY(fixture.ready());
    fixture.window().action(QStringLiteral("GestisciTemiX"))->trigger();
    QCOMPARE(
        fixture.desktop.requests, QStringList({QStringLiteral("folder ") + fixture.dataFile(QStringLiteral("Theme"))}));
}

QTEST_MAIN(Form1ThemeTest)
#include "tst_form1_theme.moc"
