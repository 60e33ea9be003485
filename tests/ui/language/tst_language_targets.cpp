// A window that applies its own keys when it opens: the texts land on its
// controls by name, the window caption takes the program's name in front,
// and a key the file lacks leaves the built-in caption.

#include "ui/language/language_targets.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTest>

using namespace tabulo;

namespace {

// The controls a find and replace window and a calculator have, by name.
template<typename Control> Control *add(QWidget *window, const char *name)
{
    auto *control = new Control(window);
    control->setObjectName(QString::fromLatin1(name));
    return control;
}

} // namespace

class LanguageTargetsTest : public QObject
{
    Q_OBJECT

private slots:
    void findAndReplaceTakesItsTexts();
    void findAndReplaceWithoutTextsKeepsItsBuiltInCaptions();
    void calculatorTextsGoToCaptionsAndToolTips();
    void runawayCaptionsAreCut();
    void spokenNamesLoseWhatOnlyTheEyeNeeds_data();
    void spokenNamesLoseWhatOnlyTheEyeNeeds();
    void screenReaderNamesFollowTheLanguage();
};

void LanguageTargetsTest::findAndReplaceTakesItsTexts()
{
    QWidget window;
    auto *label = add<QLabel>(&window, "Label1");
    auto *check = add<QCheckBox>(&window, "Check1");
    auto *replaceAll = add<QPushButton>(&window, "Command2");
    const auto texts = LanguageTexts::fromText(u"English_52=Find and Replace\nEnglish_53=Find:\n"
                                               u"English_55=Match &case\nEnglish_58=Replace &All\n"
                                               u"English_59=Text not found",
        QStringLiteral("English"));
    applyLanguageTargets(&window, LanguageWindow::Form5, texts);
    QCOMPARE(window.windowTitle(), QStringLiteral("Tabulo - Find and Replace"));
    QCOMPARE(label->text(), QStringLiteral("Find:"));
    QCOMPARE(check->text(), QStringLiteral("Match &case"));
    QCOMPARE(replaceAll->text(), QStringLiteral("Replace &All"));
    // Messages stay with the window, which asks for them when it shows one.
    QCOMPARE(texts.text(59), QStringLiteral("Text not found"));
}

void LanguageTargetsTest::findAndReplaceWithoutTextsKeepsItsBuiltInCaptions()
{
    QWidget window;
    auto *label = add<QLabel>(&window, "Label2");
    auto *find = add<QPushButton>(&window, "cmdfind");
    find->setText(QStringLiteral("earlier language"));
    applyLanguageTargets(&window, LanguageWindow::Form5, LanguageTexts());
    QCOMPARE(window.windowTitle(), QStringLiteral("Find & Replace"));
    QCOMPARE(label->text(), QStringLiteral("Sostituisci con:"));
    QCOMPARE(find->text(), QStringLiteral("&Find Next"));
    QCOMPARE(LanguageTexts().text(59), QStringLiteral("Testo non trovato"));
}

void LanguageTargetsTest::calculatorTextsGoToCaptionsAndToolTips()
{
    QWidget window;
    auto *menuBar = add<QMenuBar>(&window, "MenuBar");
    QMenu *menu = menuBar->addMenu(QStringLiteral("Menu"));
    QAction *send = menu->addAction(QString());
    send->setObjectName(QStringLiteral("TabuloSelX"));
    auto *sendButton = add<QPushButton>(&window, "Command1");
    auto *clearButton = add<QPushButton>(&window, "Command2");
    clearButton->setText(QStringLiteral("C"));
    auto *history = add<QListWidget>(&window, "List1");

    applyLanguageTargets(&window, LanguageWindow::Form7, LanguageTexts());
    QCOMPARE(send->text(), QStringLiteral("Tabulo Sel."));
    QCOMPARE(sendButton->text(), QStringLiteral("<< Tabulo Sel. >>"));
    QCOMPARE(sendButton->toolTip(), QString());
    QCOMPARE(history->toolTip(), QString());

    const auto texts = LanguageTexts::fromText(u"English_77=Send to &Note\nEnglish_78=Clear\n"
                                               u"English_79=Click a calculation to use it again",
        QStringLiteral("English"));
    applyLanguageTargets(&window, LanguageWindow::Form7, texts);
    QCOMPARE(send->text(), QStringLiteral("Send to &Note"));
    QCOMPARE(sendButton->text(), QStringLiteral("Send to &Note"));
    QCOMPARE(sendButton->toolTip(), QStringLiteral("Send to &Note"));
    QCOMPARE(clearButton->text(), QStringLiteral("C"));
    QCOMPARE(clearButton->toolTip(), QStringLiteral("Clear"));
    QCOMPARE(history->toolTip(), QStringLiteral("Click a calculation to use it again"));
}

void LanguageTargetsTest::runawayCaptionsAreCut()
{
    QWidget window;
    auto *label = add<QLabel>(&window, "Label1");
    const QString runaway(600, QLatin1Char('x'));
    applyLanguageTargets(&window, LanguageWindow::Form5,
        LanguageTexts::fromText(QStringLiteral("English_53=") + runaway, QStringLiteral("English")));
    QCOMPARE(label->text().size(), 100);
    QVERIFY(label->text().endsWith(QChar(0x2026)));
}

void LanguageTargetsTest::spokenNamesLoseWhatOnlyTheEyeNeeds_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("spoken");
    QTest::newRow("plain") << "Nota"
                           << "Nota";
    QTest::newRow("access key") << "Ca&se Sensitive"
                                << "Case Sensitive";
    QTest::newRow("doubled ampersand is one") << "Tom && Jerry"
                                              << "Tom & Jerry";
    QTest::newRow("ampersand at the end") << "Salva&"
                                          << "Salva";
    QTest::newRow("dialog follows") << "Carica File..."
                                    << "Carica File";
    QTest::newRow("ellipsis character") << QString::fromUtf8("Esporta\u2026") << "Esporta";
    QTest::newRow("field caption") << "Trova: "
                                   << "Trova";
    QTest::newRow("colon before dots") << "Nome:..."
                                       << "Nome";
    QTest::newRow("nothing left") << "&..."
                                  << "";
}

void LanguageTargetsTest::spokenNamesLoseWhatOnlyTheEyeNeeds()
{
    QFETCH(QString, text);
    QFETCH(QString, spoken);
    QCOMPARE(spokenName(text), spoken);
}

// The names screen readers say switch language with the captions, reach
// every control of their name, and a toolbar button is named by its tip.
void LanguageTargetsTest::screenReaderNamesFollowTheLanguage()
{
    QWidget window;
    auto *result = add<QLineEdit>(&window, "TotX");
    auto *clear = add<QPushButton>(&window, "Command2");
    clear->setText(QStringLiteral("C"));
    applyLanguageTargets(&window, LanguageWindow::Form7, LanguageTexts());
    QCOMPARE(result->accessibleName(), QStringLiteral("Risultato"));
    QCOMPARE(clear->accessibleName(), QStringLiteral("Cancella"));
    applyLanguageTargets(&window, LanguageWindow::Form7,
        LanguageTexts::fromText(u"English_78=&Clear\nEnglish_358=Result:", QStringLiteral("English")));
    QCOMPARE(result->accessibleName(), QStringLiteral("Result"));
    QCOMPARE(clear->accessibleName(), QStringLiteral("Clear"));

    QWidget mainWindow;
    QWidget *columns[] = {new QWidget(add<QWidget>(&mainWindow, "Text1")), new QWidget(&mainWindow)};
    for (QWidget *column : columns)
        column->setObjectName(QStringLiteral("RunningTotalColumn"));
    auto *openTool = add<QLabel>(&mainWindow, "tool(1)");
    applyLanguageTargets(&mainWindow, LanguageWindow::Form1,
        LanguageTexts::fromText(u"English_2=&Open...\nEnglish_353=Line total", QStringLiteral("English")));
    for (QWidget *column : columns)
        QCOMPARE(column->accessibleName(), QStringLiteral("Line total"));
    QCOMPARE(openTool->toolTip(), QStringLiteral("Open..."));
    QCOMPARE(openTool->accessibleName(), QStringLiteral("Open"));
}

QTEST_MAIN(LanguageTargetsTest)
#include "tst_language_targets.moc"
