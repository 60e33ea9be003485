#include "tests/ui/accessibility/accessible_controls.h"
#include "tests/windows/main/window_test_support.h"
#include "windows/find/form5.h"

#include <QCheckBox>
#include <QClipboard>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>

using namespace tabulo;
using namespace tabulo::testing;

// The find window on the real main window: it searches the visible editor
// and changes the note only through the note session.
class TestForm5 : public QObject
{
    Q_OBJECT
private slots:
    void init() { useUnrelatedDefaultLocale(); }
    void opensFromMenuAndToolbar();
    void findNext_data();
    void findNext();
    void notFoundMessage();
    void replaceSelectedMatch_data();
    void replaceSelectedMatch();
    void replaceAllIsOneChange();
    void replaceAllWithNothingFound();
    void escapeCloses();
    void fieldsAreNamedByTheirCaptions_data();
    void fieldsAreNamedByTheirCaptions();
    void replaceAllUnderTheNotFoundBoxClosesTheWindowAfterIt();

private:
    // Opens the window on a note with the editor's selection (editor
    // positions) and fills in the search.
    static Form5 *openOn(WindowFixture &fixture, const QString &note, int selectionStart, int selectionEnd);
    static QString selectedText(Form1 &window) { return window.visibleEditor()->textCursor().selectedText(); }
};

Form5 *TestForm5::openOn(WindowFixture &fixture, const QString &note, int selectionStart, int selectionEnd)
{
    Form1 &window = fixture.window();
    window.setNoteText(note);
    select(window.visibleEditor(), selectionStart, selectionEnd);
    window.action(QStringLiteral("TrovaSostituisciX"))->trigger();
    return window.findChild<Form5 *>();
}

void TestForm5::opensFromMenuAndToolbar()
{
    WindowFixture fixture;
    QVERIFY(fixture.ready());
    Form1 &window = fixture.window();
    QCOMPARE(window.action(QStringLiteral("TrovaSostituisciX"))->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_F));

    Form5 *form = openOn(fixture, QStringLiteral("10 mele\r\n20 pere"), 3, 7);
    QVERIFY(form);
    QVERIFY(form->isVisible());
    QVERIFY(!form->isModal());
    QVERIFY(form->windowFlags() & Qt::WindowStaysOnTopHint);
    QCOMPARE(form->txtfind->text(), QStringLiteral("mele"));
    QVERIFY(!form->Check1->isChecked());
    QCOMPARE(form->windowTitle(), QStringLiteral("Find & Replace"));
    const QRect screen = form->screen()->availableGeometry();
    QVERIFY(qAbs(form->geometry().center().x() - screen.center().x()) <= 2);

    // The toolbar button opens the same window again, with the new selection.
    QTextCursor caret = window.visibleEditor()->textCursor();
    caret.setPosition(2);
    window.visibleEditor()->setTextCursor(caret);
    window.windowLayout().tool_Click(10);
    QCOMPARE(window.findChildren<Form5 *>().size(), 1);
    QVERIFY(form->txtfind->text().isEmpty());
    form->close();
    QTRY_VERIFY(window.findChild<Form5 *>() == nullptr);
}

void TestForm5::findNext_data()
{
    QTest::addColumn<QString>("note");
    QTest::addColumn<int>("caret");
    QTest::addColumn<QString>("searched");
    QTest::addColumn<bool>("matchCase");
    QTest::addColumn<int>("expectedStart"); // editor position of the selected match

    QTest::newRow("caret at start skips the first character") << "ab ab" << 0 << "ab" << false << 3;
    QTest::newRow("only match at the start, by wrapping") << "ab cd" << 0 << "ab" << false << 0;
    QTest::newRow("match before the caret") << "xx ab yy" << 7 << "ab" << false << 3;
    QTest::newRow("second line, editor positions") << "1\r\n2\r\nab" << 0 << "ab" << false << 4;
    QTest::newRow("ignoring case") << "x ABC" << 0 << "abc" << false << 2;
    QTest::newRow("matching case") << "ABC abc" << 0 << "abc" << true << 4;
    QTest::newRow("plain regular expression characters") << "a.b x.*" << 0 << ".*" << false << 5;
}

void TestForm5::findNext()
{
    QFETCH(QString, note);
    QFETCH(int, caret);
    QFETCH(QString, searched);
    QFETCH(bool, matchCase);
    QFETCH(int, expectedStart);

    WindowFixture fixture;
    QVERIFY(fixture.ready());
    Form5 *form = openOn(fixture, note, caret, caret);
    QVERIFY(form);
    form->txtfind->setText(searched);
    form->Check1->setChecked(matchCase);
    QTest::keyClick(form->txtfind, Qt::Key_Return); // Enter finds the next match
    const QTextCursor cursor = fixture.window().visibleEditor()->textCursor();
    QCOMPARE(cursor.selectionStart(), expectedStart);
    QCOMPARE(cursor.selectionEnd() - cursor.selectionStart(), int(searched.size()));
    // Found again from the selected match: the only match stays selected.
    QCOMPARE(fixture.prompts.shown().size(), 0);
    QVERIFY(form->isVisible());
}

void TestForm5::notFoundMessage()
{
    WindowFixture fixture;
    QVERIFY(fixture.ready());
    Form5 *form = openOn(fixture, QStringLiteral("abc"), 1, 2);
    form->txtfind->setText(QStringLiteral("zz"));
    form->cmdfind->click();
    QCOMPARE(fixture.prompts.count(ScriptedPrompts::Kind::Information), 1);
    QCOMPARE(fixture.prompts.shown().constLast().text, QStringLiteral("Testo non trovato: zz"));
    QCOMPARE(selectedText(fixture.window()), QStringLiteral("b"));

    // Longer than the note, and an empty search: nothing selected, nothing lost.
    form->txtfind->setText(QStringLiteral("abcd"));
    form->cmdfind->click();
    QCOMPARE(fixture.prompts.count(ScriptedPrompts::Kind::Information), 2);
    form->txtfind->clear();
    form->cmdfind->click();
    form->Command2->click();
    QCOMPARE(fixture.prompts.count(ScriptedPrompts::Kind::Information), 2);
    QCOMPARE(fixture.window().noteText(), QStringLiteral("abc"));
}

void TestForm5::replaceSelectedMatch_data()
{
    QTest::addColumn<QString>("note");
    QTest::addColumn<int>("selectionStart");
    QTest::addColumn<int>("selectionEnd");
    QTest::addColumn<QString>("searched");
    QTest::addColumn<QString>("replacement");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<QString>("selectedAfter");

    QTest::newRow("selected match, any case") << "x ABC abc" << 2 << 5 << "abc"
                                              << "12"
                                              << "x 12 abc"
                                              << "abc";
    QTest::newRow("adjacent match is next") << "abab" << 0 << 2 << "ab"
                                            << "Z"
                                            << "Zab"
                                            << "ab";
    QTest::newRow("empty replacement") << "1+2+3" << 1 << 2 << "+"
                                       << ""
                                       << "12+3"
                                       << "+";
    QTest::newRow("selection not a match only finds") << "ab ab" << 0 << 1 << "ab"
                                                      << "Z"
                                                      << "ab ab"
                                                      << "ab";
    QTest::newRow("across lines") << "1\r\n2\r\n3" << 1 << 2 << "\n"
                                  << " "
                                  << "1 2\r\n3" << QStringLiteral("\u2029");
}

void TestForm5::replaceSelectedMatch()
{
    QFETCH(QString, note);
    QFETCH(int, selectionStart);
    QFETCH(int, selectionEnd);
    QFETCH(QString, searched);
    QFETCH(QString, replacement);
    QFETCH(QString, expected);
    QFETCH(QString, selectedAfter);

    WindowFixture fixture;
    QVERIFY(fixture.ready());
    Form1 &window = fixture.window();
    Form5 *form = openOn(fixture, note, selectionStart, selectionEnd);
    QGuiApplication::clipboard()->setText(QStringLiteral("before"));
    form->txtfind->setText(searched);
    form->txtreplace->setText(replacement);
    form->Check1->setChecked(true); // the selected match is replaced whatever its case
    form->ReplaceButton->click();
    QCOMPARE(window.noteText(), expected);
    QCOMPARE(selectedText(window), selectedAfter);
    if (expected == note) {
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("before"));
        return;
    }
    QCOMPARE(QGuiApplication::clipboard()->text(), fromCrLf(note));
    window.action(QStringLiteral("AnnullaX"))->trigger();
    QCOMPARE(window.noteText(), note);
}

void TestForm5::replaceAllIsOneChange()
{
    WindowFixture fixture;
    QVERIFY(fixture.ready());
    Form1 &window = fixture.window();
    const QString note = QStringLiteral("1 a\r\n2 A\r\n3 aa");
    Form5 *form = openOn(fixture, note, 0, 0);
    const QString totalBefore = window.session().totX();
    form->txtfind->setText(QStringLiteral("a"));
    form->txtreplace->setText(QStringLiteral("+1"));
    form->Command2->click(); // exact case, whatever the check box says
    QCOMPARE(window.noteText(), QStringLiteral("1 +1\r\n2 A\r\n3 +1+1"));
    QCOMPARE(QGuiApplication::clipboard()->text(), fromCrLf(note));
    QVERIFY(window.session().totX() != totalBefore); // evaluated
    QTRY_VERIFY(window.findChild<Form5 *>() == nullptr);
    QVERIFY(window.visibleEditor()->hasFocus());

    window.action(QStringLiteral("AnnullaX"))->trigger();
    QCOMPARE(window.noteText(), note);
    window.action(QStringLiteral("RipetiX"))->trigger();
    QCOMPARE(window.noteText(), QStringLiteral("1 +1\r\n2 A\r\n3 +1+1"));
}

void TestForm5::replaceAllWithNothingFound()
{
    WindowFixture fixture;
    QVERIFY(fixture.ready());
    Form5 *form = openOn(fixture, QStringLiteral("abc"), 0, 0);
    QGuiApplication::clipboard()->setText(QStringLiteral("mine"));
    form->txtfind->setText(QStringLiteral("B")); // only lower case is there
    form->Command2->click();
    QCOMPARE(fixture.window().noteText(), QStringLiteral("abc"));
    QCOMPARE(fixture.prompts.shown().constLast().text, QStringLiteral("Testo non trovato: B"));
    QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("mine"));
    QVERIFY(form->isVisible());
}

void TestForm5::escapeCloses()
{
    WindowFixture fixture;
    QVERIFY(fixture.ready());
    Form5 *form = openOn(fixture, QStringLiteral("abc"), 0, 0);
    QTest::keyClick(form->txtfind, Qt::Key_Escape);
    QTRY_VERIFY(fixture.window().findChild<Form5 *>() == nullptr);
}

void TestForm5::fieldsAreNamedByTheirCaptions_data()
{
    QTest::addColumn<QByteArray>("languageTexts");
    QTest::addColumn<QStringList>("names"); // txtfind, txtreplace, Check1, cmdfind
    QTest::newRow("built-in texts") << QByteArray()
                                    << QStringList {"Trova:", "Sostituisci con:", "Case Sensitive", "Find Next"};
    QTest::newRow("English") << QByteArray("English_53=Find:\r\nEnglish_54=Replace with:\r\nEnglish_55=Match &case\r\n"
                                           "English_56=&Find Next\r\n")
                             << QStringList {"Find:", "Replace with:", "Match case", "Find Next"};
}

// A screen reader says the caption above a field when the field gets the
// focus, in the language the window shows.
void TestForm5::fieldsAreNamedByTheirCaptions()
{
    QFETCH(QByteArray, languageTexts);
    QFETCH(QStringList, names);
    const WindowSetup setup {.dataFiles = englishTexts(languageTexts)};
    WindowFixture fixture(setup);
    QVERIFY(fixture.ready());
    Form5 *form = openOn(fixture, QStringLiteral("10 mele"), 0, 0);
    QVERIFY(form);
    QCOMPARE(unnamedControls(form), QString());
    QStringList spoken;
    for (QObject *control :
        std::initializer_list<QObject *> {form->txtfind, form->txtreplace, form->Check1, form->cmdfind})
        spoken << accessibleName(control);
    QCOMPARE(spoken, names);
}

void TestForm5::replaceAllUnderTheNotFoundBoxClosesTheWindowAfterIt()
{
    // The real message box, which runs an event loop of its own while the
    // find window stays reachable (a screen reader presses its buttons
    // through the accessibility tree). A Replace All that succeeds there
    // closes the find window, which deletes itself on close: it must wait
    // until the box it owns has gone.
    WindowFixture fixture;
    QVERIFY(fixture.ready());
    Form1 &window = fixture.window();
    window.setNoteText(QStringLiteral("10 mele\r\n20 mele"));
    DialogPrompts boxes;
    Form5::Host host;
    host.session = &window.session();
    host.visibleEditor = [&window]() -> QPlainTextEdit * { return window.visibleEditor(); };
    host.prompts = &boxes;
    host.dataFolder = fixture.programFolder() + QStringLiteral("/Data");
    QPointer<Form5> form = new Form5(std::move(host), &window);
    form->showOver(&window);
    form->txtfind->setText(QStringLiteral("pere"));
    form->txtreplace->setText(QStringLiteral("kiwi"));

    bool replacedUnderTheBox = false;
    QTimer::singleShot(100, form, [&] {
        QVERIFY(QApplication::activeModalWidget());
        form->txtfind->setText(QStringLiteral("mele"));
        form->Command2->click();
        replacedUnderTheBox = true;
        // The box is still up; take it away after the deletion had its chance.
        QTimer::singleShot(100, qApp, [] {
            if (QWidget *box = QApplication::activeModalWidget())
                box->close();
        });
    });
    form->cmdfind->click(); // "pere" is not there: the box opens
    QVERIFY(replacedUnderTheBox);
    QCOMPARE(window.noteText(), QStringLiteral("10 kiwi\r\n20 kiwi"));
    QTRY_VERIFY(form.isNull());
}

QTEST_MAIN(TestForm5)
#include "tst_form5.moc"
