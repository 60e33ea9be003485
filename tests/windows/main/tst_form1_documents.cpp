// New, Reload, Save and dropped files in the real main window: the
// unsaved-changes question comes before anything discards text, and a file
// that cannot be read or written never costs the user the text on screen.

#include "core/files/text_codec.h"
#include "tests/windows/main/window_test_support.h"

#include <QMimeData>

using namespace tabulo;
using namespace tabulo::testing;
using Kind = ScriptedPrompts::Kind;

namespace {

// What the desktop sends when something is dragged onto the editor and let go.
void dropOn(NoteEditor *editor, QMimeData *data)
{
    QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(editor->viewport(), &enter);
    QDropEvent drop(QPointF(10, 10), Qt::CopyAction, data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(editor->viewport(), &drop);
    delete data;
}

QMimeData *filesData(const QStringList &paths)
{
    auto *data = new QMimeData;
    QList<QUrl> urls;
    for (const QString &path : paths)
        urls << QUrl::fromLocalFile(path);
    data->setUrls(urls);
    return data;
}

} // namespace

class DocumentsTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { useUnrelatedDefaultLocale(); }

    void newOnAnUnchangedNoteAsksNothing()
    {
        WindowFixture fixture;
        QVERIFY(fixture.ready());
        fixture.window().action(QStringLiteral("New_Calc"))->trigger();
        QCOMPARE(fixture.window().noteText(), QString());
        QCOMPARE(fixture.prompts.count(Kind::Question), 0);
        QVERIFY(fixture.window().isUntitled());
    }

    void newAnswered_data()
    {
        QTest::addColumn<int>("answer");
        QTest::addColumn<bool>("blank");
        QTest::addColumn<QByteArray>("fileAfter");
        QTest::newRow("yes saves, then blank") << int(Prompts::Answer::Yes) << true << QByteArray("old\r\n+5\r\n");
        QTest::newRow("no discards") << int(Prompts::Answer::No) << true << QByteArray("old\r\n");
        QTest::newRow("cancel keeps everything") << int(Prompts::Answer::Cancel) << false << QByteArray("old\r\n");
    }
    void newAnswered()
    {
        QFETCH(int, answer);
        QFETCH(bool, blank);
        QFETCH(QByteArray, fileAfter);
        WindowFixture fixture;
        QVERIFY(fixture.ready());
        Form1 &window = fixture.window();
        const QString path = fixture.filePath(QStringLiteral("note.txt"));
        QVERIFY(WindowFixture::writeFile(path, "old\r\n"));
        QVERIFY(window.documents().openNoteFile(path));
        QVERIFY(fixture.waitForReset());
        window.visibleEditor()->moveCaretToEnd();
        typeIntoNote(window, QStringLiteral("\n+5"));
        fixture.prompts.queueAnswer(Prompts::Answer(answer));
        QTest::keyClick(&window, Qt::Key_F8);
        QCOMPARE(window.noteText().isEmpty(), blank);
        QCOMPARE(window.isUntitled(), blank);
        QCOMPARE(WindowFixture::readFile(path), fileAfter);
        QVERIFY(!window.session().NuovoFile);
    }

    void reloadAsksFirstAndReadsTheFileNamedAtTheLastExit()
    {
        WindowFixture fixture;
        const QString path = fixture.filePath(QStringLiteral("last, note.txt"));
        QVERIFY(WindowFixture::writeFile(path, "+2\r\n+3\r\n"));
        QVERIFY(WindowFixture::writeFile(
            fixture.dataFile(QStringLiteral("LastFile.ini")), ("\"" + path + "\"\r\n").toUtf8()));
        QVERIFY(fixture.ready());
        Form1 &window = fixture.window();
        typeIntoNote(window, QStringLiteral("+1"));
        fixture.prompts.queueAnswer(Prompts::Answer::Cancel);
        window.action(QStringLiteral("RicaricaUltimoFileX"))->trigger();
        QVERIFY(window.noteText().endsWith(QLatin1String("+1")));
        fixture.prompts.queueAnswer(Prompts::Answer::No);
        window.action(QStringLiteral("RicaricaUltimoFileX"))->trigger();
        QCOMPARE(window.noteText(), QStringLiteral("+2\r\n+3"));
        QCOMPARE(window.text2()->text(), QStringLiteral("5"));
        QCOMPARE(window.windowTitle(), path);
        QVERIFY(fixture.waitForReset());
        QVERIFY(!window.modi());
    }

    void aNoteThatCannotBeOpenedLeavesTheTextAndSaysWhy()
    {
        WindowFixture fixture;
        QVERIFY(fixture.ready());
        Form1 &window = fixture.window();
        typeIntoNote(window, QStringLiteral("+1"));
        const QString before = window.noteText();
        const QString title = window.windowTitle();
        QVERIFY(!window.documents().openNoteFile(fixture.filePath(QStringLiteral("gone.txt"))));
        QVERIFY(!window.documents().openNoteFile(fixture.programFolder()));
        const QStringList errors = fixture.prompts.takeErrors();
        QCOMPARE(errors.size(), 2);
        QVERIFY(errors[0].contains(QLatin1String("gone.txt")));
        QCOMPARE(window.noteText(), before);
        QCOMPARE(window.windowTitle(), title);
        QVERIFY(window.modi());
    }

    void aDroppedFileIsOpenedAfterTheQuestion()
    {
        WindowFixture fixture;
        QVERIFY(fixture.ready());
        Form1 &window = fixture.window();
        const QString first = fixture.filePath(QStringLiteral("a.txt"));
        const QString second = fixture.filePath(QStringLiteral("b.txt"));
        QVERIFY(WindowFixture::writeFile(first, "+4\n*3"));
        QVERIFY(WindowFixture::writeFile(second, "+1"));
        typeIntoNote(window, QStringLiteral("+1"));
        fixture.prompts.queueAnswer(Prompts::Answer::No);
        dropOn(window.visibleEditor(), filesData({first, second}));
        QCOMPARE(window.noteText(), QStringLiteral("+4\r\n*3"));
        QCOMPARE(window.text2()->text(), QStringLiteral("12"));
        QCOMPARE(window.windowTitle(), first);
        QCOMPARE(fixture.prompts.count(Kind::Information), 1); // only the first of two is opened
    }

    void aDroppedFileIsTakenAsACopy_data()
    {
        // The keys held while dragging choose the action the desktop
        // proposes, as a file manager's drag does.
        QTest::addColumn<Qt::KeyboardModifiers>("keys");
        QTest::addColumn<Qt::DropAction>("proposed");
        QTest::newRow("a move proposed") << Qt::KeyboardModifiers(Qt::ShiftModifier) << Qt::MoveAction;
        QTest::newRow("a link proposed") << (Qt::ShiftModifier | Qt::ControlModifier) << Qt::LinkAction;
        QTest::newRow("a copy proposed") << Qt::KeyboardModifiers() << Qt::CopyAction;
    }
    void aDroppedFileIsTakenAsACopy()
    {
        // Whatever the source proposes, the answer is a copy: a source that
        // honours a move deletes the file once the drop is accepted.
        QFETCH(Qt::KeyboardModifiers, keys);
        QFETCH(Qt::DropAction, proposed);
        WindowFixture fixture;
        QVERIFY(fixture.ready());
        Form1 &window = fixture.window();
        const QString file = fixture.filePath(QStringLiteral("a.txt"));
        QVERIFY(WindowFixture::writeFile(file, "+4"));
        std::unique_ptr<QMimeData> data(filesData({file}));
        const Qt::DropActions offered = Qt::CopyAction | Qt::MoveAction | Qt::LinkAction;
        QWidget *target = window.visibleEditor()->viewport();

        QDragEnterEvent enter(QPoint(10, 10), offered, data.get(), Qt::LeftButton, keys);
        QCOMPARE(enter.proposedAction(), proposed);
        QCoreApplication::sendEvent(target, &enter);
        QVERIFY(enter.isAccepted());
        QCOMPARE(enter.dropAction(), Qt::CopyAction);
        QDragMoveEvent move(QPoint(12, 12), offered, data.get(), Qt::LeftButton, keys);
        QCoreApplication::sendEvent(target, &move);
        QVERIFY(move.isAccepted());
        QCOMPARE(move.dropAction(), Qt::CopyAction);
        QDropEvent drop(QPointF(12, 12), offered, data.get(), Qt::LeftButton, keys);
        QCoreApplication::sendEvent(target, &drop);
        QVERIFY(drop.isAccepted());
        QCOMPARE(drop.dropAction(), Qt::CopyAction);
        QCOMPARE(window.noteText(), QStringLiteral("+4"));
        QVERIFY(QFile::exists(file));
    }

    void aDropWithoutFilesLeavesTheNoteAlone()
    {
        WindowFixture fixture;
        QVERIFY(fixture.ready());
        Form1 &window = fixture.window();
        const QString before = window.noteText();
        auto *data = new QMimeData;
        data->setUrls({QUrl(QStringLiteral("https://example.invalid/x.txt"))});
        dropOn(window.visibleEditor(), data);
        QCOMPARE(window.noteText(), before);
        QCOMPARE(fixture.prompts.count(Kind::Question), 0);
    }

    void aFailedSaveKeepsTheNoteModifiedAndSaysWhich()
    {
        WindowFixture fixture;
        QVERIFY(fixture.ready());
        Form1 &window = fixture.window();
        typeIntoNote(window, QStringLiteral("+1"));
        const QString path = fixture.filePath(QStringLiteral("missing folder/n.txt"));
        QVERIFY(!window.documents().saveNoteAs(path));
        const QStringList errors = fixture.prompts.takeErrors();
        QCOMPARE(errors.size(), 1);
        QVERIFY(errors[0].contains(path));
        QVERIFY(window.modi());
        QVERIFY(window.isUntitled());
    }

    // A big note goes into the editor in slices: its total is on show at
    // once, keys typed before the last slice are kept where they were typed,
    // and the hidden editor holds no second copy.
    void aBigNoteGoesInInSlicesAndStaysEditable()
    {
        WindowFixture fixture;
        QVERIFY(fixture.ready());
        Form1 &window = fixture.window();
        QByteArray note;
        for (int line = 0; line < 80000; ++line)
            note += "+1 articolo " + QByteArray::number(line) + "\r\n";
        const QString path = fixture.filePath(QStringLiteral("big.txt"));
        QVERIFY(WindowFixture::writeFile(path, note));
        QVERIFY(window.documents().openNoteFile(path));
        NoteEditor *editor = window.visibleEditor();
        QVERIFY(editor->unfilledLength() > 0);
        QCOMPARE(window.text2()->text(), QStringLiteral("80000"));

        editor->setTextCursor(QTextCursor(editor->document()));
        QTest::keyClicks(editor, QStringLiteral("+5"));
        QTest::keyClick(editor, Qt::Key_Return);
        QVERIFY(editor->unfilledLength() > 0);
        QCOMPARE(window.text2()->text(), QStringLiteral("80005"));
        QTRY_COMPARE_WITH_TIMEOUT(editor->unfilledLength(), 0, 20000);
        const QString expected = QStringLiteral("+5\r\n") + QString::fromUtf8(note).chopped(2);
        QCOMPARE(window.noteText(), expected);
        QCOMPARE(toCrLf(editor->editorText()), expected);
        QCOMPARE(editor->document()->blockCount(), 80001);
        window.noteView().AnnullaX_Click();
        QCOMPARE(toCrLf(editor->editorText()), window.noteText());

        // Shown and hidden again, the other editor lets its copy go.
        window.windowLayout().setScrolling(MainWindowSettings::Scrolling::Wrapped);
        QCOMPARE(toCrLf(window.editor2()->editorText()), window.noteText());
        QCOMPARE(window.text1()->document()->characterCount(), 1);
        window.windowLayout().setScrolling(MainWindowSettings::Scrolling::Sideways);
        QCOMPARE(toCrLf(window.text1()->editorText()), window.noteText());
        QCOMPARE(window.editor2()->document()->characterCount(), 1);

        // Opened again, the caret stands at the end of the whole note, as
        // with a small one.
        QVERIFY(window.documents().openNoteFile(path));
        QVERIFY(window.visibleEditor()->unfilledLength() > 0);
        QTRY_COMPARE_WITH_TIMEOUT(window.visibleEditor()->unfilledLength(), 0, 20000);
        QVERIFY(window.visibleEditor()->textCursor().atEnd());

        // A window that selects in the note gets it whole.
        QVERIFY(window.documents().openNoteFile(path));
        QVERIFY(window.visibleEditor()->unfilledLength() > 0);
        QCOMPARE(window.noteView().wholeVisibleEditor()->unfilledLength(), 0);
        QCOMPARE(toCrLf(window.visibleEditor()->editorText()), window.noteText());
    }

    void saveWritesTheNoteToItsFile()
    {
        WindowFixture fixture;
        QVERIFY(fixture.ready());
        Form1 &window = fixture.window();
        const QString path = fixture.filePath(QStringLiteral("n.txt"));
        QVERIFY(window.documents().saveNoteAs(path));
        typeIntoNote(window, QStringLiteral("+7"));
        QTest::keyClick(&window, Qt::Key_F2);
        QCOMPARE(WindowFixture::readFile(path), (window.noteText() + "\r\n").toUtf8());
        QVERIFY(fixture.waitForReset());
        QVERIFY(!window.modi());
    }

    // Keys typed right after a save or New, before the history reset that
    // follows it, are unsaved changes: the status says so and quitting asks.
    void keysTypedRightAfterwardsStayUnsaved_data()
    {
        QTest::addColumn<QString>("command");
        QTest::addColumn<QString>("noteAfterwards");
        QTest::newRow("F2") << "SaveX"
                            << "+12x";
        QTest::newRow("New") << "New_Calc"
                             << "x";
    }

    void keysTypedRightAfterwardsStayUnsaved()
    {
        QFETCH(QString, command);
        QFETCH(QString, noteAfterwards);
        QTemporaryDir notes;
        const QString path = notes.filePath(QStringLiteral("note.txt"));
        QVERIFY(WindowFixture::writeFile(path, "+1\r\n"));
        WindowFixture fixture({.arguments = {path}});
        QVERIFY(fixture.ready());
        Form1 &window = fixture.window();
        window.visibleEditor()->moveCaretToEnd();
        typeIntoNote(window, QStringLiteral("2"));
        if (command == QLatin1String("New_Calc"))
            QVERIFY(window.documents().saveToCurrentFile());

        if (command == QLatin1String("SaveX"))
            QTest::keyClick(&window, Qt::Key_F2);
        else
            window.action(command)->trigger();
        typeIntoNote(window, QStringLiteral("x"));
        QVERIFY(window.noteView().historyResetPending()); // typed within its 100 ms
        QVERIFY(fixture.waitForReset());

        QCOMPARE(window.noteText(), noteAfterwards);
        QCOMPARE(WindowFixture::readFile(path), QByteArray("+12\r\n"));
        QVERIFY(window.modi());
        QCOMPARE(window.statusPanel(0)->text(), QStringLiteral("Modificato"));
        fixture.prompts.queueAnswer(Prompts::Answer::Cancel);
        QTest::keyClick(&window, Qt::Key_F12);
        QTRY_COMPARE(fixture.prompts.count(Kind::Question), 1);
        QVERIFY(!fixture.hasQuit());
        QCOMPARE(window.noteText(), noteAfterwards);
    }
};

QTEST_MAIN(DocumentsTest)
#include "tst_form1_documents.moc"
