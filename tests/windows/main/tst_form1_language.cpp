// The main window's language: the "Lingua" menu built from the language
// folder, switching that changes every caption and tool tip at once, the
// messages the window and its quit dialog show, and hand-edited files that
// are missing, broken or cannot be written.

#include "tests/windows/main/window_test_support.h"

#include "core/language/language_texts.h"
#include "windows/main/controls/toolbar.h"

#include <QMenu>
#include <QMessageBox>
#include <QToolButton>

using namespace tabulo;
using namespace tabulo::testing;

Q_DECLARE_METATYPE(tabulo::LayoutVariant)

namespace {

QByteArray shippedFile(const QString &name)
{
    return WindowFixture::readFile(QStringLiteral(TABULO_SHIPPED_DATA "/") + name);
}

// The shipped language files, as a fresh install has them.
QList<std::pair<QString, QByteArray>> shippedLanguageFiles()
{
    QList<std::pair<QString, QByteArray>> files;
    for (const char *name : {"Lang.ini", "Language.ini"})
        files.append({QString::fromLatin1(name), shippedFile(QString::fromLatin1(name))});
    return files;
}

WindowSetup withShippedLanguages(LayoutVariant variant = LayoutVariant::TotalsAtBottom)
{
    return {.variant = variant, .dataFiles = shippedLanguageFiles()};
}

void addLanguageFiles(WindowFixture &fixture, const QStringList &names)
{
    QDir().mkpath(fixture.dataFile(QStringLiteral("Lang")));
    for (const QString &name : names)
        QVERIFY(WindowFixture::writeFile(fixture.dataFile(QStringLiteral("Lang/") + name), name.toUtf8() + "\r\n"));
}

// The "Lingua" menu's language items, as shown, with "*" after the checked one.
QStringList languageItems(Form1 &window)
{
    QStringList items;
    for (int i = 0; QAction *item = window.action(QStringLiteral("LanguageChoiseX(%1)").arg(i)); ++i)
        items << item->text() + (item->isChecked() ? QStringLiteral("*") : QString());
    return items;
}

QString toolTip(Form1 &window, int tool)
{
    return window.findChild<QLabel *>(QStringLiteral("tool(%1)").arg(tool))->toolTip();
}

QString menuCaption(Form1 &window, const char *name)
{
    return window.findChild<QMenu *>(QString::fromLatin1(name))->title();
}

// Every caption and toolbar tool tip of the main window that differs from
// what `texts` gives it.
QStringList captionsNotIn(Form1 &window, const LanguageTexts &texts)
{
    QStringList wrong;
    for (const LanguageKey &key : languageKeys(LanguageWindow::Form1)) {
        for (const LanguageTarget &target : key.targets) {
            if (target.kind != TextTarget::Caption && target.kind != TextTarget::ToolbarTip)
                continue;
            QObject *control = window.findChild<QObject *>(QString::fromLatin1(target.object));
            if (!control)
                continue; // the other variant's item
            QString shown;
            if (auto *menu = qobject_cast<QMenu *>(control))
                shown = menu->title();
            else if (auto *item = qobject_cast<QAction *>(control))
                shown = item->text();
            else
                shown = qobject_cast<QWidget *>(control)->toolTip();
            QString expected = texts.text(key.key);
            if (target.kind == TextTarget::ToolbarTip)
                expected.remove(QLatin1Char('&'));
            if (shown != expected)
                wrong << QStringLiteral("%1 \"%2\"").arg(QString::fromLatin1(target.object), shown);
        }
    }
    return wrong;
}

} // namespace

class LanguageTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { useUnrelatedDefaultLocale(); }

    void switchingLanguageChangesEveryCaptionAtOnce_data();
    void switchingLanguageChangesEveryCaptionAtOnce();
    void menuFollowsTheFolderWhenRebuilt();
    void toolbarTipsDropTheAccessKeys();
    void messagesAndQuitButtonsComeFromTheLanguage();
    void withoutLanguageFilesEverythingIsItalian();
    void unknownLanguageKeepsTheBuiltInTexts();
    void choiceThatCannotBeRememberedIsReportedAndStillApplied();
    void managingLanguagesOpensTheFileAndCreatesAMissingOne();
    void managingLanguagesWithoutADataFolderSaysWhy();
    void otherWindowsSeeTheFileAsItIsNow();
    void realBoxesShowTheLanguageButtons();
};

void LanguageTest::switchingLanguageChangesEveryCaptionAtOnce_data()
{
    QTest::addColumn<LayoutVariant>("variant");
    QTest::newRow("totals at bottom") << LayoutVariant::TotalsAtBottom;
    QTest::newRow("total at top") << LayoutVariant::TotalAtTop;
}

void LanguageTest::switchingLanguageChangesEveryCaptionAtOnce()
{
    QFETCH(LayoutVariant, variant);
    WindowFixture fixture(withShippedLanguages(variant));
    addLanguageFiles(fixture, {QStringLiteral("English"), QStringLiteral("Italiano")});
    QVERIFY(fixture.ready());
    Form1 &window = fixture.window();
    window.language().applyLanguage();
    const QString data = fixture.dataFile(QString()).chopped(1);

    QCOMPARE(languageItems(window), (QStringList {"English", "Italiano*"}));
    QCOMPARE(window.action("QuitX")->text(), QStringLiteral("&Esci"));
    QCOMPARE(toolTip(window, 0), QStringLiteral("Nuovo File"));
    QCOMPARE(captionsNotIn(window, LanguageTexts::load(data, QStringLiteral("Italiano"))), QStringList());

    window.action("LanguageChoiseX(0)")->trigger();
    QCOMPARE(fixture.readDataFile("Lang.ini"), QByteArray("English\r\n"));
    QCOMPARE(languageItems(window), (QStringList {"English*", "Italiano"}));
    QCOMPARE(window.action("QuitX")->text(), QStringLiteral("&Exit"));
    QCOMPARE(menuCaption(window, "LinguaX"), QStringLiteral("&Language"));
    QCOMPARE(toolTip(window, 0), QStringLiteral("New Note"));
    QCOMPARE(toolTip(window, 12), QStringLiteral("Help"));
    QCOMPARE(window.language().languageName(), QStringLiteral("English"));
    QCOMPARE(captionsNotIn(window, LanguageTexts::load(data, QStringLiteral("English"))), QStringList());
    QCOMPARE(fixture.prompts.captions.yes, QStringLiteral("&Yes"));
    QCOMPARE(fixture.prompts.captions.cancel, QStringLiteral("Cancel"));

    window.action("LanguageChoiseX(1)")->trigger();
    QCOMPARE(fixture.readDataFile("Lang.ini"), QByteArray("Italiano\r\n"));
    QCOMPARE(window.action("VaiGiuX")->text(), QStringLiteral("Vai Gi&ù"));
    QCOMPARE(fixture.prompts.captions.yes, QStringLiteral("&Sì"));
    QCOMPARE(captionsNotIn(window, LanguageTexts::load(data, QStringLiteral("Italiano"))), QStringList());
}

void LanguageTest::menuFollowsTheFolderWhenRebuilt()
{
    WindowFixture fixture;
    QVERIFY(fixture.ready());
    Form1 &window = fixture.window();
    // No language chosen yet: the built-in texts, which are Italian.
    QCOMPARE(languageItems(window), (QStringList {"Italiano*"}));

    addLanguageFiles(fixture,
        {QStringLiteral("Deutsch"), QStringLiteral("English"), QStringLiteral("Rock&Roll"),
            QStringLiteral("notes.txt")});
    window.language().applyLanguage();
    // A "&" in a file name is shown as it is.
    QCOMPARE(languageItems(window), (QStringList {"Deutsch", "English", "Rock&&Roll"}));

    // Language names match ignoring case, like the keys.
    QVERIFY(WindowFixture::writeFile(fixture.dataFile("Lang.ini"), "english\r\n"));
    window.language().applyLanguage();
    QCOMPARE(languageItems(window), (QStringList {"Deutsch", "English*", "Rock&&Roll"}));

    QVERIFY(QFile::remove(fixture.dataFile("Lang/English")));
    QVERIFY(QFile::remove(fixture.dataFile("Lang/Rock&Roll")));
    window.language().applyLanguage();
    QCOMPARE(languageItems(window), (QStringList {"Deutsch"}));
    QCOMPARE(window.findChild<QMenu *>("LinguaX")->actions().size(), 3); // manage, separator, Deutsch

    window.action("LanguageChoiseX(0)")->trigger();
    QCOMPARE(fixture.readDataFile("Lang.ini"), QByteArray("Deutsch\r\n"));
    QCOMPARE(languageItems(window), (QStringList {"Deutsch*"}));
}

void LanguageTest::toolbarTipsDropTheAccessKeys()
{
    WindowFixture fixture({.dataFiles
        = {{"Lang.ini", "Italiano\r\n"}, {"Language.ini", "Italiano_3=&Salva\r\nItaliano_29=Cal&co&latrice\r\n"}}});
    QVERIFY(fixture.ready());
    Form1 &window = fixture.window();
    QCOMPARE(window.action("SaveX")->text(), QStringLiteral("&Salva"));
    QCOMPARE(toolTip(window, 2), QStringLiteral("Salva"));
    QCOMPARE(window.action("CalcolatriceX")->text(), QStringLiteral("Cal&co&latrice"));
    QCOMPARE(toolTip(window, 11), QStringLiteral("Calcolatrice"));
}

void LanguageTest::messagesAndQuitButtonsComeFromTheLanguage()
{
    WindowFixture fixture({.dataFiles = {{"Lang.ini", "English\r\n"},
                               {"Language.ini",
                                   "English_15=Save it?\r\nEnglish_63=Changed\r\n"
                                   "English_64=Quit\r\nEnglish_65=Tray\r\nEnglish_66=Back\r\n"}}});
    QVERIFY(fixture.ready());
    Form1 &window = fixture.window();
    QCOMPARE(window.languageText(15), QStringLiteral("Save it?"));
    typeIntoNote(window, "+1");
    QCOMPARE(window.statusPanel(0)->text(), QStringLiteral("Changed"));

    window.close();
    Form6 *dialog = window.quitSequence().quitDialog();
    QVERIFY(dialog && QTest::qWaitForWindowExposed(dialog));
    QCOMPARE(dialog->Command1->text(), QStringLiteral("Quit"));
    QCOMPARE(dialog->Command2->text(), QStringLiteral("Tray"));
    QCOMPARE(dialog->Command3->text(), QStringLiteral("Back"));
    QTest::mouseClick(dialog->Command3, Qt::LeftButton);

    fixture.prompts.queueAnswer(Prompts::Answer::Cancel);
    window.action("QuitX")->trigger();
    QTRY_COMPARE(fixture.prompts.count(ScriptedPrompts::Kind::Question), 1);
    QCOMPARE(fixture.prompts.shown().constLast().text, QStringLiteral("Save it?"));
}

void LanguageTest::withoutLanguageFilesEverythingIsItalian()
{
    WindowFixture fixture({.data = DataFolder::Missing});
    QVERIFY(fixture.ready());
    Form1 &window = fixture.window();
    QCOMPARE(captionsNotIn(window, LanguageTexts()), QStringList());
    QCOMPARE(languageItems(window), (QStringList {"Italiano*"}));
    typeIntoNote(window, "+1");
    QCOMPARE(window.statusPanel(0)->text(), QStringLiteral("Modificato"));
    QCOMPARE(window.languageText(15), QStringLiteral("La nota contiene modifiche non salvate. Vuoi salvarle?"));

    window.close();
    Form6 *dialog = window.quitSequence().quitDialog();
    QVERIFY(dialog && QTest::qWaitForWindowExposed(dialog));
    QCOMPARE(dialog->Command1->text(), QStringLiteral("Esci dal Programma"));
    QCOMPARE(dialog->Command2->text(), QStringLiteral("Porta sulla TrayBar"));
    QCOMPARE(dialog->Command3->text(), QStringLiteral("Annulla"));
    QTest::mouseClick(dialog->Command3, Qt::LeftButton);
}

void LanguageTest::unknownLanguageKeepsTheBuiltInTexts()
{
    QList<std::pair<QString, QByteArray>> files = shippedLanguageFiles();
    files.append({QStringLiteral("Lang.ini"), QByteArray("Klingon\r\n")});
    WindowFixture fixture({.dataFiles = files});
    addLanguageFiles(fixture, {QStringLiteral("English")});
    QVERIFY(fixture.ready());
    Form1 &window = fixture.window();
    window.language().applyLanguage();
    QCOMPARE(window.language().languageName(), QStringLiteral("Klingon"));
    QCOMPARE(captionsNotIn(window, LanguageTexts()), QStringList());
    QCOMPARE(languageItems(window), (QStringList {"English"}));
}

void LanguageTest::choiceThatCannotBeRememberedIsReportedAndStillApplied()
{
    WindowFixture fixture(withShippedLanguages());
    addLanguageFiles(fixture, {QStringLiteral("English")});
    QVERIFY(fixture.ready());
    Form1 &window = fixture.window();
    window.language().applyLanguage();
    // A folder where Lang.ini should be: it cannot be replaced, whoever runs
    // the test.
    QVERIFY(QFile::remove(fixture.dataFile("Lang.ini")));
    QVERIFY(QDir().mkpath(fixture.dataFile("Lang.ini")));

    window.action("LanguageChoiseX(0)")->trigger();
    const QStringList errors = fixture.prompts.takeErrors();
    QCOMPARE(errors.size(), 1);
    QVERIFY2(
        errors[0].startsWith(QStringLiteral("The chosen language applies until Tabulo closes")), qPrintable(errors[0]));
    QVERIFY(errors[0].contains(fixture.dataFile("Lang.ini")));
    QCOMPARE(window.action("QuitX")->text(), QStringLiteral("&Exit"));
}

void LanguageTest::managingLanguagesOpensTheFileAndCreatesAMissingOne()
{
    WindowFixture fixture;
    QVERIFY(fixture.ready());
    Form1 &window = fixture.window();
    window.action("GestisciLinguaX")->trigger();
    QCOMPARE(fixture.desktop.requests, QStringList {"editor " + fixture.dataFile("Language.ini")});
    QVERIFY(fixture.readDataFile("Language.ini").startsWith("# Tabulo language texts"));
    // The explanation changes no text.
    window.language().applyLanguage();
    QCOMPARE(captionsNotIn(window, LanguageTexts()), QStringList());

    // A second time the file is there and stays as the user left it.
    QVERIFY(WindowFixture::writeFile(fixture.dataFile("Language.ini"), "English_5=Exit\r\n"));
    window.action("GestisciLinguaX")->trigger();
    QCOMPARE(fixture.desktop.requests.size(), 2);
    QCOMPARE(fixture.readDataFile("Language.ini"), QByteArray("English_5=Exit\r\n"));
}

void LanguageTest::managingLanguagesWithoutADataFolderSaysWhy()
{
    WindowFixture fixture({.data = DataFolder::Blocked});
    QVERIFY(fixture.ready());
    fixture.window().action("GestisciLinguaX")->trigger();
    QCOMPARE(fixture.desktop.requests, QStringList());
    const QStringList errors = fixture.prompts.takeErrors();
    QCOMPARE(errors.size(), 1);
    QVERIFY(errors[0].contains(fixture.dataFile("Language.ini")));
}

void LanguageTest::otherWindowsSeeTheFileAsItIsNow()
{
    WindowFixture fixture({.dataFiles = {{"Lang.ini", "English\r\n"}, {"Language.ini", "English_72=&Files\r\n"}}});
    QVERIFY(fixture.ready());
    Form1 &window = fixture.window();
    QCOMPARE(window.languageText(72), QStringLiteral("&Files"));
    QCOMPARE(window.languageText(73), QStringLiteral("Progetti"));
    QVERIFY(
        WindowFixture::writeFile(fixture.dataFile("Language.ini"), "English_72=&Folder\r\nEnglish_73=Projects\r\n"));
    QCOMPARE(window.languageText(72), QStringLiteral("&Folder"));
    QCOMPARE(window.languageText(73), QStringLiteral("Projects"));
}

void LanguageTest::realBoxesShowTheLanguageButtons()
{
    DialogPrompts prompts;
    prompts.setButtonCaptions({QStringLiteral("&Sì"), QStringLiteral("&No"), QStringLiteral("Annulla"), QString()});
    QStringList shown;
    // Answers the box as soon as it is up.
    QTimer answer;
    answer.setInterval(10);
    connect(&answer, &QTimer::timeout, this, [&] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (!box)
            return;
        answer.stop();
        for (auto which : {QMessageBox::Yes, QMessageBox::No, QMessageBox::Cancel})
            shown << box->button(which)->text();
        box->button(QMessageBox::No)->click();
    });
    answer.start();
    QCOMPARE(prompts.askYesNoCancel(nullptr, QStringLiteral("Salvare?")), Prompts::Answer::No);
    QCOMPARE(shown, (QStringList {"&Sì", "&No", "Annulla"}));
}

QTEST_MAIN(LanguageTest)
#include "tst_form1_language.moc"
