// The note session's road of one change, and its history, loads and saves,
// without any widget. The history is checked the way text editors check
// theirs: after every edit the position, then everything undone and redone.

#include "core/session/note_session.h"

#include "tests/core/file_bytes.h"
#include "tests/core/test_locales.h"

#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <optional>

using tabulo::NoteSession;
using tabulo::TextSplice;

namespace {

struct Fixture
{
    QTemporaryDir data;
    NoteSession session {tabulo::test::commaLocale(), data.path()};

    Fixture()
    {
        session.setModifiedWord(QStringLiteral("Modificato"));
        session.resetModi();
    }
    // Types `text` one character at a time at the end, as the editor reports it.
    void type(const QString &text)
    {
        for (const QChar c : text)
            QVERIFY(session.editorChanged(session.editorLength(), 0, QString(c)));
    }
};

} // namespace

class NoteSessionTest : public QObject
{
    Q_OBJECT
private slots:
    void aChangeIsRecordedEvaluatedAndMarksTheNote()
    {
        Fixture f;
        QCOMPARE(f.session.statusWord(), QStringLiteral("Ok"));
        QVERIFY(!f.session.modi());
        f.type(QStringLiteral("+1,5\n*4"));
        QCOMPARE(f.session.text(), QStringLiteral("+1,5\r\n*4"));
        QCOMPARE(f.session.characterCount(), qsizetype(8)); // a line end counts two
        QCOMPARE(f.session.totX(), QStringLiteral("6"));
        QCOMPARE(f.session.totY(), QStringLiteral("6"));
        QCOMPARE(f.session.statusWord(), QStringLiteral("Modificato"));
        QVERIFY(f.session.modi());
        QCOMPARE(f.session.history().position(), 7);
    }

    // KTextEditor-style: after each edit the position moves by one; undoing
    // everything gives back every state in reverse, redoing brings them back.
    void undoAndRedoWalkEveryRecordedState()
    {
        Fixture f;
        QStringList states {QString()};
        const QList<TextSplice> edits {
            {0, 0, "+10"}, {3, 0, "\r\n*2"}, {0, 1, "-"}, {4, 1, "\r\n+5\r\n"}, {2, 3, QString()}};
        for (const TextSplice &edit : edits) {
            f.session.replace(edit.position, edit.removedLength, edit.inserted);
            states << f.session.text();
            QCOMPARE(f.session.history().position(), int(states.size()) - 1);
        }
        for (int i = int(states.size()) - 2; i >= 0; --i) {
            QVERIFY(f.session.undo());
            QCOMPARE(f.session.text(), states[i]);
            QCOMPARE(f.session.history().position(), i);
        }
        QVERIFY(!f.session.undo());
        for (int i = 1; i < states.size(); ++i) {
            QVERIFY(f.session.redo());
            QCOMPARE(f.session.text(), states[i]);
        }
        QVERIFY(!f.session.redo());
        QCOMPARE(f.session.totX(), QStringLiteral("8")); // "-1+5", "*2"
    }

    void undoAndRedoActOnlyOnAModifiedNote()
    {
        Fixture f;
        f.type(QStringLiteral("+1"));
        f.session.resetModi();
        QVERIFY(!f.session.undo());
        QCOMPARE(f.session.text(), QStringLiteral("+1"));
    }

    // An Undo that finds the note already equal to its entry changes nothing,
    // and the next edit is still recorded and evaluated.
    void anUndoThatChangesNothingDoesNotSwallowTheNextEdit()
    {
        Fixture f;
        f.type(QStringLiteral("+1"));
        // A change that puts back the same text is recorded as an entry
        // equal to the one before it.
        f.session.replace(1, 1, QStringLiteral("1"));
        QCOMPARE(f.session.history().position(), 3);
        QVERIFY(f.session.undo()); // entry 2 holds "+1" too
        QCOMPARE(f.session.text(), QStringLiteral("+1"));
        f.type(QStringLiteral("2"));
        QCOMPARE(f.session.totX(), QStringLiteral("12"));
        QCOMPARE(f.session.history().position(), 3);
        QVERIFY(f.session.undo());
        QCOMPARE(f.session.text(), QStringLiteral("+1"));
    }

    // Clearing the note (Ctrl+A, Delete) is a change like any other: Undo
    // brings the text back, whatever came before the clearing.
    void clearingTheNoteCanBeUndone_data()
    {
        QTest::addColumn<QString>("before"); // what happens before the note is cleared
        QTest::addColumn<QString>("textBeforeClearing");
        QTest::newRow("right after a load") << "load"
                                            << "+1\r\n+2";
        QTest::newRow("right after a save") << "save"
                                            << "+5";
        QTest::newRow("after edits of a loaded note") << "load, type"
                                                      << "+1\r\n+27";
        QTest::newRow("after typing") << "type"
                                      << "7";
    }

    void clearingTheNoteCanBeUndone()
    {
        QFETCH(QString, before);
        QFETCH(QString, textBeforeClearing);
        Fixture f;
        const QString path = f.data.filePath(QStringLiteral("note.txt"));
        if (before.startsWith(QLatin1String("load"))) {
            tabulo::test::writeBytes(path, "+1\r\n+2\r\n");
            QVERIFY(f.session.load(path).ok);
        }
        if (before == QLatin1String("save")) {
            f.type(QStringLiteral("+5"));
            QVERIFY(f.session.saveAs(path).ok);
        }
        if (before.endsWith(QLatin1String("type")))
            f.type(QStringLiteral("7"));
        QCOMPARE(f.session.text(), textBeforeClearing);
        const int position = f.session.history().position();

        QVERIFY(f.session.editorChanged(0, f.session.editorLength(), QString()));
        QCOMPARE(f.session.text(), QString());
        QVERIFY(f.session.modi());
        QCOMPARE(f.session.history().position(), position + 1);
        QCOMPARE(f.session.totX(), QStringLiteral("0"));

        QVERIFY(f.session.undo());
        QCOMPARE(f.session.text(), textBeforeClearing);
        QVERIFY(f.session.redo());
        QCOMPARE(f.session.text(), QString());
        // Typed after the clearing, undone back to it, and back to the text.
        f.type(QStringLiteral("+3"));
        QVERIFY(f.session.undo());
        QVERIFY(f.session.undo());
        QCOMPARE(f.session.text(), QString());
        QVERIFY(f.session.undo());
        QCOMPARE(f.session.text(), textBeforeClearing);
    }

    // The window resets the saved state a little after a save, a load or New,
    // on behalf of the text as it was then: keys typed in between stay
    // unsaved changes, recorded and undoable.
    void aLateResetKeepsTheChangesMadeSinceItsMoment_data()
    {
        QTest::addColumn<QString>("moment");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("resets");
        QTest::newRow("typed after a save") << "save"
                                            << "x" << false;
        QTest::newRow("typed after a load") << "load"
                                            << "x" << false;
        QTest::newRow("typed after New") << "new"
                                         << "+4" << false;
        QTest::newRow("nothing typed after a save") << "save"
                                                    << "" << true;
        QTest::newRow("nothing typed after New") << "new"
                                                 << "" << true;
    }

    void aLateResetKeepsTheChangesMadeSinceItsMoment()
    {
        QFETCH(QString, moment);
        QFETCH(QString, typed);
        QFETCH(bool, resets);
        Fixture f;
        const QString path = f.data.filePath(QStringLiteral("note.txt"));
        f.type(QStringLiteral("+12"));
        if (moment == QLatin1String("save")) {
            QVERIFY(f.session.saveAs(path).ok);
        } else if (moment == QLatin1String("load")) {
            tabulo::test::writeBytes(path, "+12\r\n");
            QVERIFY(f.session.load(path).ok);
        } else {
            f.session.PulisciNota();
        }
        const QString saved = f.session.text();
        const quint64 version = f.session.textVersion();
        f.type(typed);

        QCOMPARE(f.session.resetModiFor(version), resets);
        QCOMPARE(f.session.modi(), !resets);
        QCOMPARE(f.session.statusWord(), resets ? QStringLiteral("Ok") : QStringLiteral("Modificato"));
        QCOMPARE(f.session.text(), saved + typed);
        if (!resets) {
            QCOMPARE(f.session.history().position(), int(typed.size()));
            for (qsizetype i = 0; i < typed.size(); ++i)
                QVERIFY(f.session.undo());
            QCOMPARE(f.session.text(), saved);
        }
    }

    // The position is a 16-bit number: past 32767 each change replaces the
    // last entry, and Undo still steps back one change at a time.
    void theHistoryCeilingKeepsUndoingOneStepAtATime()
    {
        Fixture f;
        for (int i = 0; i < 32800; ++i)
            f.type(QString::number(i % 10));
        QCOMPARE(f.session.history().position(), 32767);
        const QString last = f.session.text();
        QVERIFY(f.session.undo());
        QCOMPARE(f.session.history().position(), 32766);
        QCOMPARE(f.session.text(), last.left(32766));
        QVERIFY(f.session.redo());
        QCOMPARE(f.session.text(), last);
    }

    // A script's run is one step of the history however many changes it
    // makes: one Undo gives back the note as it was before, one Redo the note
    // the run left, and the changes before the run are still there below.
    void aChangeGroupIsOneStepOfTheHistory_data()
    {
        QTest::addColumn<int>("assignments"); // whole texts assigned, each one a change
        QTest::addColumn<int>("splices"); // insertions at the end
        QTest::addColumn<bool>("nested");
        QTest::newRow("one assignment") << 1 << 0 << false;
        QTest::newRow("2,000 assignments") << 2000 << 0 << false;
        QTest::newRow("insertions") << 0 << 50 << false;
        QTest::newRow("assignments and insertions") << 30 << 30 << false;
        QTest::newRow("a group inside a group") << 10 << 10 << true;
    }
    void aChangeGroupIsOneStepOfTheHistory()
    {
        QFETCH(int, assignments);
        QFETCH(int, splices);
        QFETCH(bool, nested);
        Fixture f;
        f.type(QStringLiteral("+1"));
        const QString before = f.session.text();
        const int position = f.session.history().position();
        {
            tabulo::NoteChangeGroup run(f.session);
            std::optional<tabulo::NoteChangeGroup> inner;
            if (nested)
                inner.emplace(f.session);
            for (int i = 1; i <= assignments; ++i) {
                f.session.setText(before + QStringLiteral("\r\n+") + QString::number(i));
                // The totals follow every change while the group is open.
                QCOMPARE(f.session.totX(), QString::number(1 + i));
            }
            for (int i = 0; i < splices; ++i)
                f.session.replace(f.session.text().size(), 0, QStringLiteral("\r\n+1"));
            // Undo waits for the run to end.
            QVERIFY(!f.session.undo());
        }
        const QString after = f.session.text();
        QVERIFY(after != before);
        QVERIFY(f.session.modi());
        QCOMPARE(f.session.history().position(), position + 1);
        QVERIFY(f.session.undo());
        QCOMPARE(f.session.text(), before);
        QCOMPARE(f.session.totX(), QStringLiteral("1"));
        QVERIFY(f.session.redo());
        QCOMPARE(f.session.text(), after);
        QVERIFY(!f.session.redo());
        // The typing before the run is still one key at a time.
        QVERIFY(f.session.undo());
        QVERIFY(f.session.undo());
        QCOMPARE(f.session.text(), QStringLiteral("+"));
        // Typed after the run, recorded on its own again.
        QVERIFY(f.session.redo());
        QVERIFY(f.session.redo());
        f.type(QStringLiteral("0"));
        QCOMPARE(f.session.history().position(), position + 2);
        QVERIFY(f.session.undo());
        QCOMPARE(f.session.text(), after);
    }

    void aChangeGroupThatEndsWhereItBeganRecordsNothing()
    {
        Fixture f;
        f.type(QStringLiteral("+1"));
        {
            tabulo::NoteChangeGroup run(f.session);
            f.session.setText(QStringLiteral("+7"));
            f.session.setText(QStringLiteral("+1"));
        }
        QCOMPARE(f.session.history().position(), 2);
        // The next key is still recorded as the edit it is.
        f.type(QStringLiteral("2"));
        QCOMPARE(f.session.history().position(), 3);
        QVERIFY(f.session.undo());
        QCOMPARE(f.session.text(), QStringLiteral("+1"));
    }

    // A save during the run (the window's reset) makes the note of that
    // moment the base: only what the run changed after it is one Undo.
    void aResetInsideAChangeGroupKeepsWhatFollows()
    {
        Fixture f;
        f.type(QStringLiteral("+1"));
        {
            tabulo::NoteChangeGroup run(f.session);
            f.session.setText(QStringLiteral("+2"));
            f.session.resetModi();
            f.session.setText(QStringLiteral("+3"));
        }
        QCOMPARE(f.session.history().position(), 1);
        QVERIFY(f.session.undo());
        QCOMPARE(f.session.text(), QStringLiteral("+2"));
        QVERIFY(!f.session.undo());
    }

    void commandsKeepLineEndsWholeAndTellTheEditor()
    {
        Fixture f;
        f.session.setText(QStringLiteral("+1\r\n+2"));
        QSignalSpy spliced(&f.session, &NoteSession::textSpliced);
        // A change that would start between CR and LF takes the whole line end.
        const TextSplice applied = f.session.replace(3, 0, QStringLiteral("x\ny"));
        QCOMPARE(applied.position, qsizetype(2));
        QCOMPARE(f.session.text(), QStringLiteral("+1x\r\ny\r\n+2"));
        QCOMPARE(spliced.size(), 1);
        QCOMPARE(spliced[0][1].value<qsizetype>(), qsizetype(2)); // editor start
        // Assigning the text the note holds is no change.
        f.session.setText(f.session.text());
        QCOMPARE(spliced.size(), 1);
    }

    void aSelectionTotalGoesToTotYOnlyWhenALineCounts()
    {
        Fixture f;
        f.session.setText(QStringLiteral("+5\r\n-8"));
        QCOMPARE(f.session.totY(), QStringLiteral("-3"));
        f.session.setTotY(QStringLiteral("0"));
        f.session.TotaleSelezione(u"text only");
        QCOMPARE(f.session.totY(), QStringLiteral("0"));
        f.session.TotaleSelezione(u"-8\r\n*2,5");
        QCOMPARE(f.session.totY(), QStringLiteral("-20"));
        QCOMPARE(f.session.totX(), QStringLiteral("-3"));
    }

    void loadingMakesAnUnmodifiedNoteWithItsFile()
    {
        Fixture f;
        const QString path = f.data.filePath(QStringLiteral("note.txt"));
        tabulo::test::writeBytes(path, "+1\n+2\r+3\r\n");
        f.type(QStringLiteral("+9"));
        QVERIFY(f.session.load(path).ok);
        QCOMPARE(f.session.text(), QStringLiteral("+1\r\n+2\r\n+3"));
        QCOMPARE(f.session.totX(), QStringLiteral("6"));
        QCOMPARE(f.session.caption(), path);
        QVERIFY(f.session.hasFile());
        QVERIFY(!f.session.modi());
        QVERIFY(!f.session.undo());
    }

    void aFileThatCannotBeReadLeavesTheNoteAsItWas()
    {
        Fixture f;
        f.type(QStringLiteral("+4"));
        f.session.setCaption(QStringLiteral("mine.txt"));
        for (const QString &path : {f.data.filePath(QStringLiteral("missing.txt")), f.data.path()}) {
            const tabulo::FileResult loaded = f.session.load(path);
            QVERIFY(!loaded.ok);
            QVERIFY(!loaded.error.isEmpty());
            QCOMPARE(f.session.text(), QStringLiteral("+4"));
            QCOMPARE(f.session.caption(), QStringLiteral("mine.txt"));
            QVERIFY(f.session.modi());
        }
    }

    void aFailedSaveChangesNothing()
    {
        Fixture f;
        f.type(QStringLiteral("+4"));
        const QString caption = f.session.caption();
        const tabulo::FileResult saved = f.session.saveAs(f.data.filePath(QStringLiteral("no/such/folder/n.txt")));
        QVERIFY(!saved.ok);
        QVERIFY(f.session.modi());
        QCOMPARE(f.session.caption(), caption);
        QCOMPARE(f.session.history().position(), 2);
        QVERIFY(f.session.undo());
    }

    void aSaveWritesCrLfWithAFinalLineEndAndRebasesTheHistory()
    {
        Fixture f;
        f.type(QStringLiteral("+1\n+2"));
        const QString path = f.data.filePath(QStringLiteral("saved.txt"));
        QVERIFY(f.session.saveAs(path).ok);
        QCOMPARE(tabulo::test::readBytes(path), QByteArray("+1\r\n+2\r\n"));
        QCOMPARE(f.session.caption(), path);
        QVERIFY(!f.session.modi());
        QCOMPARE(f.session.history().position(), 0);
    }

    void aBlankNoteHasNoFile()
    {
        Fixture f;
        f.session.setCaption(QStringLiteral("/notes/a.txt"));
        f.type(QStringLiteral("+1"));
        f.session.NuovoFile = true;
        f.session.PulisciNota();
        QCOMPARE(f.session.text(), QString());
        QCOMPARE(f.session.totX(), QStringLiteral("0"));
        QVERIFY(!f.session.hasFile());
        QVERIFY(f.session.caption().startsWith(QLatin1String("Tabulo")));
        QVERIFY(!f.session.NuovoFile);
        QVERIFY(!f.session.modi());
    }

    void workingFilesAreWrittenWhenTheTypingPauses()
    {
        Fixture f;
        f.type(QStringLiteral("+ 2#x"));
        const QString tempCal = f.data.filePath(QStringLiteral("Temp.cal"));
        QTRY_COMPARE(tabulo::test::readBytes(tempCal), QByteArray("\r\n+2'x\r\n"));
        f.session.TotaleSelezione(u"-1 b");
        f.session.writeWorkingFiles();
        QCOMPARE(tabulo::test::readBytes(tempCal), QByteArray("\r\n-1 b\r\n"));
    }

    // The quit removes the working files: one still being written for a big
    // note must not come back afterwards.
    void noWorkingFileIsWrittenOnceStopped()
    {
        Fixture f;
        f.type(QStringLiteral("+1"));
        QSignalSpy paused(&f.session, &NoteSession::editingPaused);
        QVERIFY(
            f.session.editorChanged(f.session.editorLength(), 0, QStringLiteral("+12,50 bread\n").repeated(300000)));
        QVERIFY(paused.wait(5000)); // the write is under way on its thread
        f.session.stopWorkingFiles();
        const QString tempCal = f.data.filePath(QStringLiteral("Temp.cal"));
        QVERIFY(QFile::remove(tempCal) || !QFile::exists(tempCal));
        QTest::qWait(300);
        QVERIFY(!QFile::exists(tempCal));
    }
};

QTEST_GUILESS_MAIN(NoteSessionTest)
#include "tst_note_session.moc"
