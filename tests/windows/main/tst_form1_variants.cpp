// The two layout variants: the switch to the other one, the start file each
// leaves for the launcher, and where an installed copy writes its files.

#include "tests/windows/main/window_test_support.h"

#include <QToolButton>

using namespace tabulo;
using namespace tabulo::testing;

Q_DECLARE_METATYPE(tabulo::LayoutVariant)

namespace {

struct VariantFacts
{
    QString ownSwitch, otherSwitch, otherProgram;
    QByteArray startFileAtQuit;
};

VariantFacts factsOf(LayoutVariant variant)
{
    if (variant == LayoutVariant::TotalsAtBottom)
        return {"TotaleInAltoX", "TotaleInBassoX", "Tabulo_Top", "\"2\"\r\n"};
    return {"TotaleInBassoX", "TotaleInAltoX", "Tabulo_Bt", "\"1\"\r\n"};
}

void addBothVariants()
{
    QTest::addColumn<LayoutVariant>("variant");
    QTest::newRow("totals at bottom") << LayoutVariant::TotalsAtBottom;
    QTest::newRow("total at top") << LayoutVariant::TotalAtTop;
}

bool quitDialogShown(Form1 &window)
{
    return window.quitSequence().quitDialog() && QTest::qWaitForWindowExposed(window.quitSequence().quitDialog());
}

} // namespace

class VariantsTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { useUnrelatedDefaultLocale(); }

    void eachVariantOffersTheOtherOne_data() { addBothVariants(); }
    void eachVariantOffersTheOtherOne();
    void switchStartsTheOtherVariantAndAsksAboutThisOne_data() { addBothVariants(); }
    void switchStartsTheOtherVariantAndAsksAboutThisOne();
    void quittingAfterTheSwitchNamesThisVariantForTheLauncher_data() { addBothVariants(); }
    void quittingAfterTheSwitchNamesThisVariantForTheLauncher();
    void switchThatCannotStartKeepsTheWindow();
    void installedCopyWritesIntoItsOwnFolder();
};

void VariantsTest::eachVariantOffersTheOtherOne()
{
    QFETCH(LayoutVariant, variant);
    const VariantFacts facts = factsOf(variant);
    WindowFixture fixture({.variant = variant});
    QVERIFY(fixture.ready());
    QVERIFY(fixture.window().action(facts.ownSwitch));
    QVERIFY(!fixture.window().action(facts.otherSwitch));
}

void VariantsTest::switchStartsTheOtherVariantAndAsksAboutThisOne()
{
    QFETCH(LayoutVariant, variant);
    const VariantFacts facts = factsOf(variant);
    WindowFixture fixture({.variant = variant, .separateWritableFolder = true});
    QVERIFY(fixture.ready());
    Form1 &window = fixture.window();
    typeIntoNote(window, "+5");

    window.action(facts.ownSwitch)->trigger();

    // The program is started from the program folder, not from where an
    // installed copy keeps its files.
    QCOMPARE(fixture.desktop.requests,
        QStringList {QStringLiteral("start %1/%2 ").arg(fixture.programFolder(), facts.otherProgram)});
    QVERIFY(quitDialogShown(window));
    QVERIFY(!window.isEnabled());
    QVERIFY(!fixture.hasQuit());
    // The switch itself writes nothing.
    QVERIFY(!QFile::exists(fixture.writableFolder() + "/Data/TabuloStartForTOT.ini"));

    // Annulla keeps this variant as it was.
    QTest::keyClick(window.quitSequence().quitDialog(), Qt::Key_Escape);
    QTRY_VERIFY(window.isEnabled());
    QVERIFY(window.noteText().endsWith("+5"));
    QCOMPARE(window.text2()->text(), QStringLiteral("5"));
}

void VariantsTest::quittingAfterTheSwitchNamesThisVariantForTheLauncher()
{
    QFETCH(LayoutVariant, variant);
    const VariantFacts facts = factsOf(variant);
    WindowFixture fixture({.variant = variant});
    QVERIFY(fixture.ready());
    Form1 &window = fixture.window();
    window.action(facts.ownSwitch)->trigger();
    QVERIFY(quitDialogShown(window));

    window.quitSequence().quitDialog()->Command1->click();
    QTRY_VERIFY(fixture.hasQuit());
    QCOMPARE(fixture.readDataFile("TabuloStartForTOT.ini"), facts.startFileAtQuit);
}

void VariantsTest::switchThatCannotStartKeepsTheWindow()
{
    WindowFixture fixture;
    QVERIFY(fixture.ready());
    Form1 &window = fixture.window();
    fixture.desktop.programsStart = false;

    window.action("TotaleInAltoX")->trigger();

    const QStringList errors = fixture.prompts.takeErrors();
    QCOMPARE(errors.size(), 1);
    QVERIFY2(errors.first().contains(fixture.programFolder() + "/Tabulo_Top"), qPrintable(errors.first()));
    QVERIFY(!window.quitSequence().quitDialog());
    QVERIFY(window.isEnabled());
}

void VariantsTest::installedCopyWritesIntoItsOwnFolder()
{
    WindowFixture fixture({.separateWritableFolder = true});
    QVERIFY(fixture.ready());
    const QString userData = fixture.writableFolder() + "/Data/";
    typeIntoNote(fixture.window(), "+2");
    // The working file of the note follows every change.
    QTRY_VERIFY(QFile::exists(userData + "Temp.cal"));

    fixture.window().action("QuitX")->trigger();
    fixture.prompts.queueAnswer(Prompts::Answer::No);
    QTRY_VERIFY(fixture.hasQuit());
    for (const char *name : {"LastFile.ini", "Bar.ini", "Scroll.ini", "TabuloStart.ini", "TabuloStartForTOT.ini"})
        QVERIFY2(QFile::exists(userData + name), name);
    QVERIFY(!QFile::exists(userData + "Temp.cal"));
    // The program folder's Data folder is left exactly as it was: empty.
    QCOMPARE(QDir(fixture.programFolder() + "/Data").entryList(QDir::AllEntries | QDir::NoDotAndDotDot), QStringList());
}

QTEST_MAIN(VariantsTest)
#include "tst_form1_variants.moc"
