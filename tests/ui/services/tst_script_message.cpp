// A script's MsgBox flags as the box the program shows.
#include "ui/services/script_message.h"

#include <QTest>

using namespace tabulo;
using Icon = ScriptMessageLayout::Icon;

Q_DECLARE_METATYPE(std::vector<int>)

class ScriptMessageTest : public QObject
{
    Q_OBJECT
private slots:
    void flagsGiveButtonsDefaultIconAndEscape_data();
    void flagsGiveButtonsDefaultIconAndEscape();
};

void ScriptMessageTest::flagsGiveButtonsDefaultIconAndEscape_data()
{
    QTest::addColumn<int>("flags");
    QTest::addColumn<std::vector<int>>("buttons");
    QTest::addColumn<int>("defaultButton");
    QTest::addColumn<Icon>("icon");
    QTest::addColumn<int>("escapeButton");
    QTest::newRow("OK only") << 0 << std::vector<int> {1} << 1 << Icon::None << 1;
    QTest::newRow("OK Cancel, second default") << 1 + 256 << std::vector<int> {1, 2} << 2 << Icon::None << 2;
    QTest::newRow("Abort Retry Ignore, critical") << 2 + 16 << std::vector<int> {3, 4, 5} << 3 << Icon::Critical << 0;
    QTest::newRow("Yes No Cancel, third default, question")
        << 3 + 512 + 32 << std::vector<int> {6, 7, 2} << 2 << Icon::Question << 2;
    QTest::newRow("Yes No, exclamation") << 4 + 48 << std::vector<int> {6, 7} << 6 << Icon::Exclamation << 0;
    QTest::newRow("Retry Cancel, information") << 5 + 64 << std::vector<int> {4, 2} << 4 << Icon::Information << 2;
    QTest::newRow("a default past the last button") << 4 + 768 << std::vector<int> {6, 7} << 6 << Icon::None << 0;
    QTest::newRow("unknown button set and system modal flag")
        << 7 + 4096 << std::vector<int> {1} << 1 << Icon::None << 1;
}

void ScriptMessageTest::flagsGiveButtonsDefaultIconAndEscape()
{
    QFETCH(int, flags);
    QFETCH(std::vector<int>, buttons);
    QFETCH(int, defaultButton);
    QFETCH(Icon, icon);
    QFETCH(int, escapeButton);
    const ScriptMessageLayout layout = scriptMessageLayout(flags);
    QCOMPARE(layout.buttons, buttons);
    QCOMPARE(layout.defaultButton, defaultButton);
    QCOMPARE(layout.icon, icon);
    QCOMPARE(layout.escapeButton, escapeButton);
}

QTEST_GUILESS_MAIN(ScriptMessageTest)
#include "tst_script_message.moc"
