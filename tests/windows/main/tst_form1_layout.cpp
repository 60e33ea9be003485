// The main window's layout in both variants, the two editor modes, the
// toolbar and the text size commands.

#include "tests/windows/main/window_test_support.h"

#include "windows/main/controls/toolbar.h"

using namespace tabulo;
using namespace tabulo::testing;

Q_DECLARE_METATYPE(tabulo::LayoutVariant)

namespace {

// The layout rounds each twips value to pixels on its own; one pixel apart
// is the same place.
bool nearlyEqual(int actual, int expected)
{
    return std::abs(actual - expected) <= 1;
}

#define COMPARE_PIXELS(actual, expected)                                                                               \
    QVERIFY2(nearlyEqual((actual), (expected)),                                                                        \
        qPrintable(QStringLiteral("%1 is %2, expected %3").arg(#actual).arg(actual).arg(expected)))

double clientTwips(const Form1 &window, int pixels)
{
    return pixels * 1440.0 / window.logicalDpiY();
}

WindowSetup withToolbar(LayoutVariant variant, bool shown)
{
    return {.variant = variant, .dataFiles = {{QStringLiteral("Bar.ini"), shown ? "0\r\n" : "1\r\n"}}};
}

} // namespace

class LayoutTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { useUnrelatedDefaultLocale(); }

    void totalsFillTheirBands_data();
    void totalsFillTheirBands();
    void editorStaysBetweenTheBands_data();
    void editorStaysBetweenTheBands();
    void hidingTheToolbarGivesTheEditorItsRoom();
    void editorModeSwitchKeepsTheTextAndMovesTheFocus();
    void toolbarButtonsRunTheirCommands();
    void textSizeCommands();
    void resetInterfaceForgetsThePlacement();
};

void LayoutTest::totalsFillTheirBands_data()
{
    QTest::addColumn<LayoutVariant>("variant");
    QTest::addColumn<QSize>("size");
    for (const QSize size : {QSize(632, 460), QSize(500, 300), QSize(780, 560)}) {
        const QString name = QStringLiteral("%1x%2").arg(size.width()).arg(size.height());
        QTest::addRow("totals at bottom, %s", qPrintable(name)) << LayoutVariant::TotalsAtBottom << size;
        QTest::addRow("total at top, %s", qPrintable(name)) << LayoutVariant::TotalAtTop << size;
    }
}

void LayoutTest::totalsFillTheirBands()
{
    QFETCH(LayoutVariant, variant);
    QFETCH(QSize, size);
    WindowFixture fixture({.variant = variant});
    QVERIFY(fixture.ready());
    Form1 &window = fixture.window();
    window.resize(size);
    QTRY_COMPARE(window.size(), size);

    // The formulas see the nominal frame of 120 twips around the client width.
    const double windowWidth = clientTwips(window, window.centralWidget()->width()) + 120;
    if (variant == LayoutVariant::TotalsAtBottom) {
        const int half = twipsToPixels(window, windowWidth / 2 - 50);
        COMPARE_PIXELS(window.text2()->width(), half);
        COMPARE_PIXELS(window.text3()->width(), half);
        COMPARE_PIXELS(window.text3()->x(), twipsToPixels(window, windowWidth / 2));
        QCOMPARE(window.text2()->parentWidget(), window.text3()->parentWidget());
    } else {
        const int full = twipsToPixels(window, windowWidth - 50);
        COMPARE_PIXELS(window.text2()->width(), full);
        COMPARE_PIXELS(window.text3()->width(), full);
        QCOMPARE(window.text3()->x(), 0);
        QVERIFY(window.picture2());
        QVERIFY(window.picture1()->y() < window.visibleEditor()->y());
        QVERIFY(window.picture2()->y() > window.visibleEditor()->y());
    }
}

void LayoutTest::editorStaysBetweenTheBands_data()
{
    QTest::addColumn<LayoutVariant>("variant");
    QTest::addColumn<bool>("toolbarShown");
    QTest::newRow("totals at bottom, toolbar") << LayoutVariant::TotalsAtBottom << true;
    QTest::newRow("totals at bottom, no toolbar") << LayoutVariant::TotalsAtBottom << false;
    QTest::newRow("total at top, toolbar") << LayoutVariant::TotalAtTop << true;
    QTest::newRow("total at top, no toolbar") << LayoutVariant::TotalAtTop << false;
}

void LayoutTest::editorStaysBetweenTheBands()
{
    QFETCH(LayoutVariant, variant);
    QFETCH(bool, toolbarShown);
    WindowFixture fixture(withToolbar(variant, toolbarShown));
    QVERIFY(fixture.ready());
    Form1 &window = fixture.window();
    QCOMPARE(window.picture3()->isVisible(), toolbarShown);

    const QRect editor = window.visibleEditor()->geometry();
    const QWidget *upperBand = variant == LayoutVariant::TotalAtTop ? window.picture1()
        : toolbarShown                                              ? window.picture3()
                                                                    : nullptr;
    const QWidget *lowerBand = variant == LayoutVariant::TotalAtTop ? window.picture2() : window.picture1();
    const int upperEdge = upperBand ? upperBand->geometry().bottom() : -1;
    QVERIFY2(editor.top() >= upperEdge - 2,
        qPrintable(QStringLiteral("editor top %1, band ends at %2").arg(editor.top()).arg(upperEdge)));
    QVERIFY2(editor.bottom() <= lowerBand->y() + 1,
        qPrintable(QStringLiteral("editor bottom %1, band at %2").arg(editor.bottom()).arg(lowerBand->y())));
    COMPARE_PIXELS(editor.width(), window.centralWidget()->width());
    QCOMPARE(window.editor2()->geometry(), editor);
    QVERIFY(window.picture4()->geometry().bottom() == window.centralWidget()->height() - 1);
}

void LayoutTest::hidingTheToolbarGivesTheEditorItsRoom()
{
    WindowFixture fixture(withToolbar(LayoutVariant::TotalsAtBottom, true));
    QVERIFY(fixture.ready());
    Form1 &window = fixture.window();
    const QRect before = window.text1()->geometry();
    QVERIFY(before.top() > 0);

    window.action("MostraStrumentiX")->trigger();
    QVERIFY(window.picture3()->isHidden());
    QCOMPARE(window.action("MostraStrumentiX")->isChecked(), false);
    const QRect after = window.text1()->geometry();
    QCOMPARE(after.top(), 0);
    COMPARE_PIXELS(after.height() - before.height(), twipsToPixels(window, 370));
    QCOMPARE(window.editor2()->geometry(), after);

    window.action("MostraStrumentiX")->trigger();
    QVERIFY(window.picture3()->isVisible());
    QCOMPARE(window.text1()->geometry(), before);
}

void LayoutTest::editorModeSwitchKeepsTheTextAndMovesTheFocus()
{
    WindowFixture fixture({.locale = usLocale()});
    QVERIFY(fixture.ready());
    Form1 &window = fixture.window();
    typeIntoNote(window, "+1.5");

    window.action("SoloVerticaleX")->trigger();
    QCOMPARE(window.visibleEditor(), window.editor2());
    QVERIFY(window.text1()->isHidden());
    QCOMPARE(window.noteText(), StartUp::startHeader() + "+1.5");
    QTRY_COMPARE(QApplication::focusWidget(), window.editor2());
    QVERIFY(window.action("SoloVerticaleX")->isChecked());
    QVERIFY(!window.action("VerticaleOrizzonateX")->isChecked());
    QCOMPARE(window.editor2()->lineWrapMode(), QPlainTextEdit::WidgetWidth);

    window.editor2()->moveCaretToEnd();
    typeIntoNote(window, "\n*4");
    QCOMPARE(window.text2()->text(), QStringLiteral("6"));

    window.action("VerticaleOrizzonateX")->trigger();
    QCOMPARE(window.visibleEditor(), window.text1());
    QCOMPARE(window.noteText(), StartUp::startHeader() + "+1.5\r\n*4");
    QTRY_COMPARE(QApplication::focusWidget(), window.text1());
    QVERIFY(!window.action("SoloVerticaleX")->isChecked());
    QVERIFY(window.action("VerticaleOrizzonateX")->isChecked());
    QCOMPARE(window.text1()->lineWrapMode(), QPlainTextEdit::NoWrap);

    // The history spans both editors.
    window.action("AnnullaX")->trigger();
    QCOMPARE(window.noteText(), StartUp::startHeader() + "+1.5\r\n*");
}

void LayoutTest::toolbarButtonsRunTheirCommands()
{
    WindowFixture fixture(withToolbar(LayoutVariant::TotalsAtBottom, true));
    QVERIFY(fixture.ready());
    Form1 &window = fixture.window();
    auto *toolbar = qobject_cast<Toolbar *>(window.picture3());
    QVERIFY(toolbar);
    typeIntoNote(window, "+12");

    QTest::mouseClick(toolbar->tool(5), Qt::LeftButton);
    QCOMPARE(window.noteText(), StartUp::startHeader() + "+1");
    QTest::mouseClick(toolbar->tool(6), Qt::LeftButton);
    QCOMPARE(window.noteText(), StartUp::startHeader() + "+12");
    // Save of an untitled note asks for a name.
    QTest::mouseClick(toolbar->tool(2), Qt::LeftButton);
    QVERIFY(fixture.answerSaveDialog(std::nullopt));
    // New and Load: the question first, then a blank note or the open dialog.
    fixture.prompts.queueAnswer(Prompts::Answer::No);
    QTest::mouseClick(toolbar->tool(0), Qt::LeftButton);
    QCOMPARE(window.noteText(), QString());
    QTest::mouseClick(toolbar->tool(1), Qt::LeftButton);
    QTRY_VERIFY(window.findChild<QDialog *>(QStringLiteral("Form2")));
    window.findChild<QDialog *>(QStringLiteral("Form2"))->close();
    QTRY_VERIFY(window.isEnabled());
}

void LayoutTest::textSizeCommands()
{
    WindowFixture fixture;
    QVERIFY(fixture.ready());
    Form1 &window = fixture.window();
    QCOMPARE(window.text1()->fontPointSize(), 12.0);
    QCOMPARE(window.editor2()->fontPointSize(), 12.0);

    window.action("AumentaTestoX")->trigger();
    QCOMPARE(window.text1()->fontPointSize(), 13.0);
    QCOMPARE(window.editor2()->fontPointSize(), 13.0);
    for (int press = 0; press < 30; ++press)
        window.action("DiminuisciTestoX")->trigger();
    QCOMPARE(window.text1()->fontPointSize(), 1.0);
    QCOMPARE(window.editor2()->fontPointSize(), 1.0);
    window.action("NormalizzaTestoX")->trigger();
    QCOMPARE(window.text1()->fontPointSize(), 12.0);
    QCOMPARE(window.editor2()->fontPointSize(), 12.0);
}

void LayoutTest::resetInterfaceForgetsThePlacement()
{
    WindowFixture fixture({.dataFiles = {{QStringLiteral("TabuloStart.ini"), "300,300,5000,4000,0\r\n"}}});
    QVERIFY(fixture.ready());
    Form1 &window = fixture.window();
    window.action("ResettaInterfacciaX")->trigger();
    QVERIFY(!fixture.dataFileExists(QStringLiteral("TabuloStart.ini")));
    QTRY_COMPARE(window.frameGeometry().size(), QSize(twipsToPixels(window, 9600), twipsToPixels(window, 7200)));
    // It stands a third of its own client size from the screen's corner.
    COMPARE_PIXELS(window.frameGeometry().x(), window.centralWidget()->width() / 3);
    COMPARE_PIXELS(window.frameGeometry().y(), window.centralWidget()->height() / 3);

    // The next quit writes the new placement again.
    window.action("QuitX")->trigger();
    QTRY_VERIFY(fixture.hasQuit());
    const QList<QByteArray> fields = fixture.readDataFile(QStringLiteral("TabuloStart.ini")).trimmed().split(',');
    QCOMPARE(fields.size(), 5);
    QCOMPARE(fields[2], QByteArray("9600"));
    QCOMPARE(fields[3], QByteArray("7200"));
}

QTEST_MAIN(LayoutTest)
#include "tst_form1_layout.moc"
