// A window that applies its own keys when it opens: the texts land on its
// controls by name, the window caption takes the program's name in front,
// and a key the file lacks leaves the built-in caption.

#include "ui/language/language_targets.h"

#include <QCheckBox>
#include <QLabel>
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

QTEST_MAIN(LanguageTargetsTest)
#include "tst_language_targets.moc"
