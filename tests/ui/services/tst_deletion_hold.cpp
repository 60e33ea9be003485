// A window that deletes itself while a box is up on it, or on a window of
// its, goes only once the last box has gone.

#include "ui/services/deletion_hold.h"

#include <QApplication>
#include <QPointer>
#include <QTest>
#include <QWidget>

#include <optional>

using namespace tabulo;

class DeletionHoldTest : public QObject
{
    Q_OBJECT
private slots:
    void deletionWaitsForTheLastBox_data();
    void deletionWaitsForTheLastBox();
    void aWindowWithoutBoxesGoesAtOnce();
};

void DeletionHoldTest::deletionWaitsForTheLastBox_data()
{
    QTest::addColumn<bool>("closedRatherThanDeleted"); // a window that deletes itself on close
    QTest::addColumn<bool>("boxOnAChild"); // the box's parent is a window inside the one deleted
    QTest::addColumn<int>("boxes"); // boxes open one over the other
    QTest::newRow("closed under its box") << true << false << 1;
    QTest::newRow("deleteLater under its box") << false << false << 1;
    QTest::newRow("under a box on a window of its") << true << true << 1;
    QTest::newRow("under two boxes") << false << false << 2;
}

void DeletionHoldTest::deletionWaitsForTheLastBox()
{
    QFETCH(bool, closedRatherThanDeleted);
    QFETCH(bool, boxOnAChild);
    QFETCH(int, boxes);
    QPointer<QWidget> window = new QWidget;
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->show();
    QWidget *boxParent = boxOnAChild ? new QWidget(window, Qt::Dialog) : window.data();

    std::optional<DeletionHold> outer(boxParent);
    std::optional<DeletionHold> inner;
    if (boxes > 1)
        inner.emplace(boxParent);
    if (closedRatherThanDeleted)
        window->close();
    else
        window->deleteLater();
    QTest::qWait(50);
    QVERIFY(!window.isNull());
    inner.reset();
    QTest::qWait(50);
    QVERIFY(!window.isNull());
    outer.reset();
    QTRY_VERIFY(window.isNull());
}

void DeletionHoldTest::aWindowWithoutBoxesGoesAtOnce()
{
    QPointer<QWidget> window = new QWidget;
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->show();
    {
        const DeletionHold hold(window);
    } // the box has gone before the window closes
    window->close();
    QTRY_VERIFY(window.isNull());
}

QTEST_MAIN(DeletionHoldTest)
#include "tst_deletion_hold.moc"
