// The undo history stores only the edits between texts, but must behave
// exactly like an array of 99001 full texts with a 16-bit position. Long
// random runs of record, undo, redo, reset and direct stores drive the real
// history and a plain reference side by side; after every single operation
// the position, the shown text and the entries around the position agree.
// At the end both are undone to the start and redone to the end.

#include "core/history/undo_history.h"
#include "tests/core/history/reference_history.h"

#include <QRandomGenerator>
#include <QTest>

#include <set>

using tabulo::UndoHistory;
using tabulo::test::ReferenceHistory;

namespace {

// How often each operation is drawn, in parts of the total.
struct OperationMix
{
    int record, undo, redo, reset, store;
    int total() const { return record + undo + redo + reset + store; }
};

const QString alphabet = QStringLiteral("+-*/0123456789,. #'abcXYZ\r\n\t\u00e8\u20ac");

QString randomText(QRandomGenerator &random, int maxLength)
{
    const int length = random.bounded(maxLength + 1);
    QString text(length, Qt::Uninitialized);
    for (QChar &c : text)
        c = alphabet[random.bounded(alphabet.size())];
    return text;
}

// What typing does: a few characters replaced somewhere in the note.
QString spliced(QRandomGenerator &random, QString text)
{
    const int at = random.bounded(int(text.size()) + 1);
    const int removed = std::min(random.bounded(4), int(text.size()) - at);
    text.replace(at, removed, randomText(random, 3));
    return text;
}

QString nextNoteText(QRandomGenerator &random, const QString &current)
{
    const int kind = random.bounded(20);
    if (kind == 0)
        return QString(); // the emptied note
    if (kind == 1)
        return current; // a change that restores the same text is still recorded
    if (kind <= 4)
        return randomText(random, 3000); // pasted over, or a different note
    return spliced(random, current);
}

class ModelRun
{
public:
    explicit ModelRun(quint32 seed)
        : m_random(seed)
    {
    }

    // Applies one random operation to both histories and compares them.
    void step(const OperationMix &mix)
    {
        int pick = m_random.bounded(mix.total());
        if ((pick -= mix.record) < 0) {
            const QString text = nextNoteText(m_random, m_editorText);
            m_real.record(text);
            m_reference.record(text);
            m_editorText = text;
            m_touched.insert(m_reference.position());
        } else if ((pick -= mix.undo) < 0) {
            compareShown(m_real.undo(), m_reference.undo());
        } else if ((pick -= mix.redo) < 0) {
            compareShown(m_real.redo(), m_reference.redo());
        } else if ((pick -= mix.reset) < 0) {
            const QString base = m_random.bounded(4) == 0 ? QString() : nextNoteText(m_random, m_editorText);
            m_real.reset(base);
            m_reference.reset(base);
            m_editorText = base;
            m_touched = {0};
        } else {
            const int index = storeIndex();
            const QString text = m_random.bounded(5) == 0 ? QString() : nextNoteText(m_random, m_editorText);
            m_real.store(index, text);
            m_reference.store(index, text);
            m_touched.insert(index);
        }
        compareAroundPosition();
    }

    void compareEverything()
    {
        for (int index : m_touched)
            compareEntry(index);
    }

    // Undo to the oldest entry, then redo to the newest: the same texts on
    // the way, in both histories.
    void undoAllThenRedoAll()
    {
        for (;;) {
            const auto real = m_real.undo();
            const auto reference = m_reference.undo();
            compareShown(real, reference);
            if (!reference)
                break;
        }
        QCOMPARE(m_real.position(), 0);
        for (;;) {
            const auto real = m_real.redo();
            const auto reference = m_reference.redo();
            compareShown(real, reference);
            if (!reference)
                break;
        }
    }

    int position() const { return m_reference.position(); }

private:
    int storeIndex()
    {
        const int kind = m_random.bounded(5);
        if (kind == 0)
            return m_random.bounded(ReferenceHistory::LastIndex + 1);
        if (kind == 1) // around the end of the array, and just past it (ignored)
            return ReferenceHistory::LastIndex + m_random.bounded(-2, 3);
        return std::clamp(position() + m_random.bounded(-2, 4), 0, ReferenceHistory::LastIndex);
    }

    void compareShown(const std::optional<QString> &real, const std::optional<QString> &reference)
    {
        QCOMPARE(real.has_value(), reference.has_value());
        if (reference) {
            QCOMPARE(*real, *reference);
            m_editorText = *reference;
        }
        QCOMPARE(m_real.position(), int(m_reference.position()));
    }

    void compareEntry(int index)
    {
        if (index < 0 || index > ReferenceHistory::LastIndex) {
            QCOMPARE(m_real.entry(index), QString()); // outside the array: nothing, ever
            return;
        }
        QCOMPARE(m_real.holdsState(index), m_reference.holdsState(index));
        QCOMPARE(m_real.entry(index), m_reference.entry(index));
    }

    void compareAroundPosition()
    {
        QCOMPARE(m_real.position(), int(m_reference.position()));
        for (int index : {position() - 1, position(), position() + 1})
            compareEntry(index);
        // and one entry touched earlier, anywhere
        auto it = m_touched.begin();
        std::advance(it, m_random.bounded(int(m_touched.size())));
        compareEntry(*it);
    }

    QRandomGenerator m_random;
    UndoHistory m_real;
    ReferenceHistory m_reference;
    QString m_editorText;
    std::set<int> m_touched {0};
};

} // namespace

Q_DECLARE_METATYPE(OperationMix)

class UndoHistoryModelTest : public QObject
{
    Q_OBJECT

private slots:
    void behavesLikeAnArrayOfTexts_data();
    void behavesLikeAnArrayOfTexts();
};

void UndoHistoryModelTest::behavesLikeAnArrayOfTexts_data()
{
    QTest::addColumn<quint32>("seed");
    QTest::addColumn<OperationMix>("mix");
    QTest::addColumn<int>("operations");

    //                                              record undo redo reset store
    QTest::newRow("typing with some undo") << 1u << OperationMix {70, 15, 10, 1, 4} << 4000;
    QTest::newRow("undo and redo back and forth") << 2u << OperationMix {30, 35, 30, 1, 4} << 4000;
    QTest::newRow("new edits over undone ones") << 3u << OperationMix {45, 40, 10, 0, 5} << 4000;
    QTest::newRow("direct stores everywhere") << 4u << OperationMix {30, 20, 20, 2, 28} << 3000;
    QTest::newRow("frequent resets") << 5u << OperationMix {50, 20, 15, 10, 5} << 3000;
}

void UndoHistoryModelTest::behavesLikeAnArrayOfTexts()
{
    QFETCH(quint32, seed);
    QFETCH(OperationMix, mix);
    QFETCH(int, operations);

    ModelRun run(seed);
    for (int i = 0; i < operations; ++i) {
        run.step(mix);
        if (QTest::currentTestFailed()) {
            qWarning("diverged at operation %d", i);
            return;
        }
    }
    run.compareEverything();
    if (QTest::currentTestFailed())
        return;
    run.undoAllThenRedoAll();
}

QTEST_GUILESS_MAIN(UndoHistoryModelTest)
#include "tst_undo_history_model.moc"
