// The example shipped in the projects folder: its script, run against its
// note through the objects the output window binds, says what it promises.
#include "core/files/companion_script.h"
#include "core/files/text_file.h"
#include "core/session/note_session.h"
#include "script/objects/script_locale.h"
#include "script/run/script_run.h"
#include "windows/script_output/window_objects.h"

#include <QApplication>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <QTest>

using namespace tabulo;

class ExampleBudgetTest : public QObject
{
    Q_OBJECT
private slots:
    void theBudgetScriptSumsUpTheBudget_data();
    void theBudgetScriptSumsUpTheBudget();
};

void ExampleBudgetTest::theBudgetScriptSumsUpTheBudget_data()
{
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QStringList>("largest");
    QTest::addColumn<QString>("left");
    QTest::newRow("US English") << QLocale(QLocale::English, QLocale::UnitedStates)
                                << QStringList {QStringLiteral("1,037.00  rent"), QStringLiteral("463.60  groceries"),
                                       QStringLiteral("183.00  presents")}
                                << QStringLiteral("579.20");
    QTest::newRow("Italian") << QLocale(QLocale::Italian, QLocale::Italy)
                             << QStringList {QStringLiteral("1.037,00  rent"), QStringLiteral("463,60  groceries"),
                                    QStringLiteral("183,00  presents")}
                             << QStringLiteral("579,20");
}

void ExampleBudgetTest::theBudgetScriptSumsUpTheBudget()
{
    QFETCH(QLocale, locale);
    QFETCH(QStringList, largest);
    QFETCH(QString, left);
    const QString folder = QStringLiteral(TABULO_EXAMPLES) + QStringLiteral("/Db");
    const std::optional<QString> note = readNoteFile(folder + QStringLiteral("/Budget.txt"));
    QVERIFY(note.has_value());
    const ScriptFileText script = readScriptForRun(companionScriptPath(folder + QStringLiteral("/Budget.txt")));
    QVERIFY2(script.ok(), qPrintable(script.file.error));

    QTemporaryDir data;
    NoteSession session(locale, data.path());
    session.loadText(*note, folder + QStringLiteral("/Budget.txt"));
    QWidget window;
    QPlainTextEdit editor;
    ScriptRun run(locale,
        bindWindowObjects(
            session, &window, [&editor] { return &editor; }, scriptLocale(locale)),
        folder);
    const ScriptRun::Outcome outcome = run.run(script.text);
    QVERIFY2(!outcome.error, outcome.error ? qPrintable(QString::fromStdU16String(outcome.error->description)) : "");

    const QStringList lines = outcome.output.split(QStringLiteral("\r\n"));
    const qsizetype heading = lines.indexOf(QStringLiteral("The three largest expenses"));
    QVERIFY(heading > 0);
    QCOMPARE(lines.mid(heading + 2, 3), largest);
    QVERIFY2(lines.contains(QStringLiteral("Left:               ") + left), qPrintable(outcome.output));
    QCOMPARE(session.totY(), left);
    // The example reads the note and leaves it as it was.
    QCOMPARE(session.text(), *note);
    QVERIFY(!session.modi());
}

QTEST_MAIN(ExampleBudgetTest)
#include "tst_example_budget.moc"
