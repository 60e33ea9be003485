// The colour picker "Crea Tema..." opens: whatever colour is picked, it
// shows the number a theme file wants, in both notations, ready to copy.

#include "ui/theme/colour_picker.h"

#include "tests/ui/accessibility/accessible_controls.h"

#include <QApplication>
#include <QClipboard>
#include <QColorDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

using namespace tabulo;

class ColourPickerTest : public QObject
{
    Q_OBJECT

private slots:
    void showsThePickedColourAsAColourNumber_data();
    void showsThePickedColourAsAColourNumber();
    void copiesANumberForATheme();
    void closesWithEscape();
    void everyControlHasAScreenReaderName();
};

void ColourPickerTest::showsThePickedColourAsAColourNumber_data()
{
    QTest::addColumn<QColor>("picked");
    QTest::addColumn<QString>("decimal");
    QTest::addColumn<QString>("hex");

    QTest::newRow("red") << QColor(255, 0, 0) << "255"
                         << "&H000000FF";
    QTest::newRow("blue") << QColor(0, 0, 255) << "16711680"
                          << "&H00FF0000";
    QTest::newRow("a grey-blue") << QColor(0x2B, 0x2B, 0x30) << "3156779"
                                 << "&H00302B2B";
}

void ColourPickerTest::showsThePickedColourAsAColourNumber()
{
    QFETCH(QColor, picked);
    QFETCH(QString, decimal);
    QFETCH(QString, hex);
    ColourPicker picker;
    // As the user picks it: through the colour dialog inside the window.
    picker.findChild<QColorDialog *>()->setCurrentColor(picked);
    QCOMPARE(picker.decimalText(), decimal);
    QCOMPARE(picker.hexText(), hex);
}

void ColourPickerTest::copiesANumberForATheme()
{
    ColourPicker picker;
    picker.setColour(16711680);
    picker.show();
    QVERIFY(QTest::qWaitForWindowExposed(&picker));
    picker.findChild<QPushButton *>(QStringLiteral("hexCopy"))->click();
    QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("&H00FF0000"));
    picker.findChild<QPushButton *>(QStringLiteral("decimalCopy"))->click();
    QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("16711680"));
}

void ColourPickerTest::closesWithEscape()
{
    QWidget owner;
    owner.resize(400, 300);
    owner.show();
    auto *picker = new ColourPicker(&owner);
    picker->showBeside(&owner);
    QVERIFY(QTest::qWaitForWindowExposed(picker));
    QTest::keyClick(picker->findChild<QLineEdit *>(QStringLiteral("decimal")), Qt::Key_Escape);
    QTRY_VERIFY(!picker->isVisible());
    // Opened again, it is whole: the colour part was not left hidden.
    picker->showBeside(&owner);
    QVERIFY(QTest::qWaitForWindowExposed(picker));
    QVERIFY(picker->findChild<QColorDialog *>()->isVisible());
}

// The two "Copia" buttons are told apart by what they copy; the colour
// part's own controls come named by the toolkit.
void ColourPickerTest::everyControlHasAScreenReaderName()
{
    using namespace tabulo::testing;
    ColourPicker picker;
    picker.show();
    QVERIFY(QTest::qWaitForWindowExposed(&picker));
    // A window of its own to a screen reader, not a panel.
    QCOMPARE(QAccessible::queryAccessibleInterface(&picker)->role(), QAccessible::Window);
    QCOMPARE(unnamedControls(&picker), QString());
    QCOMPARE(accessibleName(picker.findChild<QPushButton *>(QStringLiteral("decimalCopy"))),
        QStringLiteral("Copia il numero colore"));
    QCOMPARE(accessibleName(picker.findChild<QLineEdit *>(QStringLiteral("hex"))), QStringLiteral("In esadecimale:"));
}

QTEST_MAIN(ColourPickerTest)
#include "tst_colour_picker.moc"
