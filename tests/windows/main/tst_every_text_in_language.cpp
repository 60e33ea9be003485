// Every window and message in each shipped language: with the shipped Data
// folder and one language chosen, the test opens every window, shows a
// representative set of messages, and finds no text that only another
// shipped language uses. A text that bypasses the language files shows up
// here as Italian under English, or as English under German.

#include "tests/windows/main/window_test_support.h"

#include "core/language/language_file.h"
#include "ui/language/language_targets.h"
#include "ui/language/toolkit_translations.h"
#include "ui/theme/colour_picker.h"
#include "windows/calculator/form7.h"
#include "windows/find/form5.h"
#include "windows/script_editor/form8.h"
#include "windows/script_editor/script_text_edit.h"
#include "windows/script_output/form3.h"

#include <QAbstractButton>
#include <QDirIterator>
#include <QGroupBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QTabBar>
#include <QToolButton>

using namespace tabulo;
using namespace tabulo::testing;

namespace {

const QStringList shippedLanguages = {QStringLiteral("Italiano"), QStringLiteral("English"), QStringLiteral("Deutsch"),
    QStringLiteral("Français"), QStringLiteral("Español")};

// Texts that are rightly the same in several languages although the
// language shown gives them no key of its own.
const QStringList sameInEveryLanguage = {QStringLiteral("OK"), QStringLiteral("Tabulo")};

// A text as the user reads it, whichever control shows it: no access key,
// no closing "..." or ":" (screen reader names and tool tips drop them).
QString asRead(const QString &text)
{
    // A menu item shows its shortcut after a tab.
    return spokenName(text.section(QLatin1Char('\t'), 0, 0));
}

// The shipped Data folder, every file of it, as a fresh copy has it.
QList<std::pair<QString, QByteArray>> shippedDataFiles(const QString &language)
{
    const QString root = QStringLiteral(TABULO_SHIPPED_DATA);
    QList<std::pair<QString, QByteArray>> files;
    QDirIterator it(root, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        const QString name = QDir(root).relativeFilePath(path);
        if (name != QLatin1String("CMakeLists.txt"))
            files.append({name, WindowFixture::readFile(path)});
    }
    files.append({QStringLiteral("Lang.ini"), language.toUtf8() + "\r\n"});
    return files;
}

// What the other languages say and `language` never does.
struct ForeignTexts
{
    QHash<QString, QString> whole; // the text as read, and the language and key it comes from
    // Pieces of the foreign messages (split where the program fills in a
    // file or a number), to be looked for inside a message. Only pieces of
    // two words or more: a single word may well be a file's or a folder's name.
    QList<std::pair<QString, QString>> pieces;

    static ForeignTexts of(const QString &language)
    {
        const QString file
            = QString::fromUtf8(WindowFixture::readFile(QStringLiteral(TABULO_SHIPPED_DATA "/Language.ini")));
        const QHash<int, QString> own = parseLanguageTexts(file, language);
        QSet<QString> ownRead;
        for (const QString &text : own)
            ownRead.insert(asRead(text));
        const auto ownContains = [&](const QString &piece) {
            return std::any_of(own.begin(), own.end(), [&](const QString &text) { return text.contains(piece); });
        };

        ForeignTexts foreign;
        static const QRegularExpression filledIn(QStringLiteral("%\\d|\\n|\\(|\\)|\"|«|»"));
        for (const QString &other : shippedLanguages) {
            if (other == language)
                continue;
            const QHash<int, QString> texts = parseLanguageTexts(file, other);
            for (auto it = texts.begin(); it != texts.end(); ++it) {
                const QString where = QStringLiteral("%1_%2").arg(other).arg(it.key());
                const QString read = asRead(it.value());
                if (!ownRead.contains(read) && !sameInEveryLanguage.contains(read))
                    foreign.whole.insert(read, where);
                const QString plain = QString(it.value()).replace(QStringLiteral("\\n"), QStringLiteral("\n"));
                for (QString piece : plain.split(filledIn, Qt::SkipEmptyParts)) {
                    piece = piece.trimmed();
                    while (piece.endsWith(QLatin1Char('.')) || piece.endsWith(QLatin1Char(':')))
                        piece.chop(1);
                    if (piece.count(QLatin1Char(' ')) >= 1 && piece.size() >= 6 && !ownContains(piece))
                        foreign.pieces.append({piece, where});
                }
            }
        }
        return foreign;
    }
};

// Collects what the user sees and notes every foreign text in it.
class LanguageWalk
{
public:
    explicit LanguageWalk(const QString &language)
        : m_foreign(ForeignTexts::of(language))
    {
    }

    // A caption, label or name: foreign when it is wholly another language's text.
    void look(const QString &window, const QString &control, const QString &text)
    {
        if (text.trimmed().isEmpty())
            return;
        const QString read = asRead(text);
        if (m_foreign.whole.contains(read))
            m_findings
                << QStringLiteral("%1, %2: \"%3\" is %4").arg(window, control, text, m_foreign.whole.value(read));
        else
            read_(window, control, text);
    }
    // A message: foreign when a piece of another language's message is inside it.
    void read(const QString &window, const QString &what, const QString &message) { read_(window, what, message); }

    // Every text of a window and its controls.
    void walk(QWidget *window)
    {
        const QString name = windowName(window);
        look(name, QStringLiteral("caption"),
            window->windowTitle().remove(QRegularExpression(QStringLiteral("^Tabulo - "))));
        look(name, QStringLiteral("name"), window->accessibleName());
        const QList<QWidget *> controls = window->findChildren<QWidget *>();
        for (QWidget *control : controls)
            walkControl(name, control);
        const QList<QAction *> items = window->findChildren<QAction *>();
        for (QAction *item : items)
            walkItem(name, item);
    }

    void walkMenu(const QString &window, QMenu *menu)
    {
        look(window, controlName(menu), menu->title());
        for (QAction *item : menu->actions())
            walkItem(window, item);
    }

    const QStringList &findings() const { return m_findings; }

private:
    static QString windowName(QWidget *window)
    {
        return window->objectName().isEmpty() ? QString::fromLatin1(window->metaObject()->className())
                                              : window->objectName();
    }
    static QString controlName(QObject *control)
    {
        return QStringLiteral("%1 (%2)").arg(
            control->objectName(), QString::fromLatin1(control->metaObject()->className()));
    }

    void walkControl(const QString &window, QWidget *control)
    {
        const QString name = controlName(control);
        look(window, name + QStringLiteral(" tip"), control->toolTip());
        look(window, name + QStringLiteral(" name"), control->accessibleName());
        look(window, name + QStringLiteral(" description"), control->accessibleDescription());
        if (auto *button = qobject_cast<QAbstractButton *>(control))
            look(window, name, button->text());
        else if (auto *label = qobject_cast<QLabel *>(control))
            look(window, name, label->text());
        else if (auto *group = qobject_cast<QGroupBox *>(control))
            look(window, name, group->title());
        else if (auto *line = qobject_cast<QLineEdit *>(control))
            look(window, name + QStringLiteral(" placeholder"), line->placeholderText());
        else if (auto *menu = qobject_cast<QMenu *>(control))
            walkMenu(window, menu);
        else if (auto *tabs = qobject_cast<QTabBar *>(control)) {
            for (int i = 0; i < tabs->count(); ++i)
                look(window, name, tabs->tabText(i));
        } else if (auto *header = qobject_cast<QHeaderView *>(control); header && header->model()) {
            for (int i = 0; i < header->count(); ++i)
                look(window, name, header->model()->headerData(i, header->orientation()).toString());
        }
    }

    void walkItem(const QString &window, QAction *item)
    {
        if (item->isSeparator())
            return;
        look(window, controlName(item), item->text());
        look(window, controlName(item) + QStringLiteral(" tip"), item->toolTip());
    }

    void read_(const QString &window, const QString &what, const QString &message)
    {
        for (const auto &[piece, where] : std::as_const(m_foreign.pieces)) {
            if (message.contains(piece)) {
                m_findings
                    << QStringLiteral("%1, %2: \"%3\" holds \"%4\" of %5").arg(window, what, message, piece, where);
                return;
            }
        }
    }

    ForeignTexts m_foreign;
    QStringList m_findings;
};

// A short script that stops at a type mismatch on its second line.
constexpr QByteArrayView mismatchScript = "Echo.WriteLine \"ok\"\r\nx = 1 + \"a\"\r\n";

} // namespace

class EveryTextInLanguageTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { useUnrelatedDefaultLocale(); }
    void everyWindowAndMessageIsInTheLanguage_data();
    void everyWindowAndMessageIsInTheLanguage();
    void aTextOfAnotherLanguageIsFound_data();
    void aTextOfAnotherLanguageIsFound();
};

// The walk itself: what it must find, and what it must let pass, so that a
// walk that finds nothing means the windows are right.
void EveryTextInLanguageTest::aTextOfAnotherLanguageIsFound_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<bool>("isMessage");
    QTest::addColumn<QString>("shown");
    // The language and key the finding names (a key may be cut short where
    // several keys hold the piece); empty for no finding.
    QTest::addColumn<QString>("found");
    QTest::newRow("English caption under Italian") << "Italiano" << false << "&Exit"
                                                   << "English_5";
    QTest::newRow("Italian caption under German, access key elsewhere") << "Deutsch" << false << "E&sci"
                                                                        << "Italiano_5";
    QTest::newRow("menu item with its shortcut") << "Français" << false << "&Undo\tCtrl+Z"
                                                 << "English_60";
    QTest::newRow("tool tip without the closing dots") << "Español" << false << "Open Note"
                                                       << "English_2";
    QTest::newRow("the language's own caption") << "Deutsch" << false << "&Beenden"
                                                << "";
    QTest::newRow("a word two languages share") << "English" << false << "Transparent"
                                                << "";
    QTest::newRow("same everywhere") << "Deutsch" << false << "OK"
                                     << "";
    QTest::newRow("a file name") << "Italiano" << false << "conti.txt"
                                 << "";
    QTest::newRow("interpreter's English in an Italian error")
        << "Italiano" << true << "Errore 13 alla riga 2, colonna 1: Type mismatch"
        << "English_100013";
    QTest::newRow("English reason in a German message")
        << "Deutsch" << true
        << "Die Notiz „/tmp/a.txt“ konnte nicht geöffnet werden: it is not a text file: it holds binary data."
        << "English_286";
    QTest::newRow("Italian message under French") << "Français" << true << "Il tema non è stato creato."
                                                  << "Italiano_30";
    QTest::newRow("the language's own message with a path")
        << "English" << true << "Could not open the note \"/tmp/Note files/a.txt\""
        << "";
}

void EveryTextInLanguageTest::aTextOfAnotherLanguageIsFound()
{
    QFETCH(QString, language);
    QFETCH(bool, isMessage);
    QFETCH(QString, shown);
    QFETCH(QString, found);
    LanguageWalk walk(language);
    if (isMessage)
        walk.read(QStringLiteral("window"), QStringLiteral("message"), shown);
    else
        walk.look(QStringLiteral("window"), QStringLiteral("control"), shown);
    if (found.isEmpty()) {
        QVERIFY2(walk.findings().isEmpty(), qPrintable(walk.findings().join(QLatin1Char('\n'))));
    } else {
        QCOMPARE(walk.findings().size(), 1);
        QVERIFY2(walk.findings()[0].startsWith(QLatin1String("window, ")), qPrintable(walk.findings()[0]));
        QVERIFY2(walk.findings()[0].contains(QLatin1String(" ") + found), qPrintable(walk.findings()[0]));
    }
}

void EveryTextInLanguageTest::everyWindowAndMessageIsInTheLanguage_data()
{
    QTest::addColumn<QString>("language");
    for (const QString &language : shippedLanguages)
        QTest::newRow(qPrintable(language)) << language;
}

void EveryTextInLanguageTest::everyWindowAndMessageIsInTheLanguage()
{
    QFETCH(QString, language);
    QTemporaryDir files;
    const QString binary = files.filePath(QStringLiteral("picture.png"));
    QVERIFY(WindowFixture::writeFile(binary, QByteArray("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16)));
    ToolkitTranslations toolkit(qApp);
    WindowFixture fixture(
        {.arguments = {binary}, .dataFiles = shippedDataFiles(language), .toolkitTranslations = &toolkit});
    QVERIFY(fixture.ready());
    Form1 &window = fixture.window();
    LanguageWalk walk(language);
    using Kind = ScriptedPrompts::Kind;
    const auto lastShown = [&fixture](Kind kind) {
        const QList<ScriptedPrompts::Shown> &shown = fixture.prompts.shown();
        for (auto it = shown.rbegin(); it != shown.rend(); ++it) {
            if (it->kind == kind)
                return it->text;
        }
        return QString();
    };

    // A note given on the command line that is not text.
    const QStringList openErrors = fixture.prompts.takeErrors();
    QCOMPARE(openErrors.size(), 1);
    walk.read(QStringLiteral("Form1"), QStringLiteral("failed open"), openErrors[0]);

    // The main window, its menus (the tray's too) and a totals box's own menu.
    walk.walk(&window);
    for (QAction *menu : window.menuBar()->actions()) {
        if (menu->menu())
            walk.walkMenu(QStringLiteral("Form1"), menu->menu());
    }
    std::unique_ptr<QMenu> boxMenu(window.text2()->createStandardContextMenu());
    walk.walkMenu(QStringLiteral("Form1 Text2's own menu"), boxMenu.get());

    window.action(QStringLiteral("InfoX"))->trigger();
    walk.read(QStringLiteral("Info"), QStringLiteral("message"), lastShown(Kind::Information));

    // The open dialog, on an empty note.
    window.action(QStringLiteral("Load_Calc"))->trigger();
    QDialog *form2 = nullptr;
    QTRY_VERIFY((form2 = window.findChild<QDialog *>(QStringLiteral("Form2"))) != nullptr);
    QVERIFY(QTest::qWaitForWindowExposed(form2));
    walk.walk(form2);
    form2->close();
    QTRY_VERIFY(!window.findChild<QDialog *>(QStringLiteral("Form2")) || !form2->isVisible());

    // The unsaved-changes question, and the prompt for a sign before the lines.
    typeIntoNote(window, QStringLiteral("+1\n+2"));
    walk.look(QStringLiteral("Form1"), QStringLiteral("status word"), window.statusPanel(0)->text());
    fixture.prompts.queueAnswer(Prompts::Answer::Cancel);
    window.action(QStringLiteral("New_Calc"))->trigger();
    walk.read(QStringLiteral("Form1"), QStringLiteral("unsaved question"), lastShown(Kind::Question));
    window.visibleEditor()->selectAll();
    fixture.prompts.queueTextInput(std::nullopt);
    window.action(QStringLiteral("AggiungiSegnoInizialeX"))->trigger();
    walk.look(QStringLiteral("Aggiungi Segno Iniziale"), QStringLiteral("prompt"), lastShown(Kind::TextInput));

    // The save dialog, and its refusal of a name with nothing left in it.
    window.action(QStringLiteral("Save_Calc"))->trigger();
    Form4 *form4 = fixture.saveDialog();
    QVERIFY(form4);
    QVERIFY(QTest::qWaitForWindowExposed(form4));
    walk.walk(form4);
    form4->Text1->setText(QStringLiteral("???"));
    form4->Command1_Click();
    walk.read(QStringLiteral("Form4"), QStringLiteral("refused name"), lastShown(Kind::Information));
    form4->close();

    // A save into a folder that is a file.
    QVERIFY(WindowFixture::writeFile(files.filePath(QStringLiteral("blocked")), "a file"));
    QVERIFY(!window.documents().saveNoteAs(files.filePath(QStringLiteral("blocked/conti.txt"))));
    const QStringList saveErrors = fixture.prompts.takeErrors();
    QCOMPARE(saveErrors.size(), 1);
    walk.read(QStringLiteral("Form1"), QStringLiteral("failed save"), saveErrors[0]);

    // Find and replace, with a search that finds nothing.
    window.action(QStringLiteral("TrovaSostituisciX"))->trigger();
    auto *form5 = window.findChild<Form5 *>();
    QVERIFY(form5);
    walk.walk(form5);
    form5->txtfind->setText(QStringLiteral("zzz"));
    form5->cmdfind_Click();
    walk.read(QStringLiteral("Form5"), QStringLiteral("not found"), lastShown(Kind::Information));
    form5->close();

    // The calculator.
    window.action(QStringLiteral("CalcolatriceX"))->trigger();
    QVERIFY(window.toolWindows().calculator());
    walk.walk(window.toolWindows().calculator());
    window.toolWindows().closeCalculator();

    // The colour picker "Crea Tema..." opens beside the new theme.
    fixture.prompts.queueTextInput(QStringLiteral("Prova"));
    window.action(QStringLiteral("CreaTemaX"))->trigger();
    walk.look(QStringLiteral("Crea Tema"), QStringLiteral("prompt"), lastShown(Kind::TextInput));
    auto *picker = window.findChild<ColourPicker *>();
    QVERIFY(picker);
    QVERIFY(QTest::qWaitForWindowExposed(picker));
    walk.walk(picker);
    picker->close();

    // A script that stops at an error, in the output window; then the script editor.
    const QString note = files.filePath(QStringLiteral("conti.txt"));
    QVERIFY(window.documents().saveNoteAs(note));
    QVERIFY(fixture.waitForReset());
    QVERIFY(WindowFixture::writeFile(files.filePath(QStringLiteral("conti.vb")), mismatchScript.toByteArray()));
    window.action(QStringLiteral("EseguiScriptX"))->trigger();
    Form3 *output = window.scripts().scriptOutput();
    QVERIFY(output);
    QTRY_VERIFY_WITH_TIMEOUT(!output->isRunning() && !output->Timer1.isActive() && !output->CloseVB.isActive(), 15000);
    const QString shown = output->Text1->toPlainText();
    QVERIFY2(shown.contains(QLatin1String(" 13")), qPrintable(shown));
    walk.walk(output);
    walk.read(QStringLiteral("Form3"), QStringLiteral("script error"), shown);
    output->close();
    QTRY_VERIFY(!window.scripts().scriptOutput());

    window.action(QStringLiteral("InserisciScriptX"))->trigger();
    Form8 *editor = window.scripts().scriptEditor();
    QVERIFY(editor);
    walk.walk(editor);
    QVERIFY(window.scripts().closeScriptEditor());

    // The quit dialog.
    window.close();
    Form6 *quit = window.quitSequence().quitDialog();
    QVERIFY(quit && QTest::qWaitForWindowExposed(quit));
    walk.walk(quit);
    QTest::mouseClick(quit->Command3, Qt::LeftButton);

    // Every finding is listed, so one run shows all that is left to mend.
    QVERIFY2(walk.findings().isEmpty(), qPrintable(QLatin1Char('\n') + walk.findings().join(QLatin1Char('\n'))));
}

QTEST_MAIN(EveryTextInLanguageTest)
#include "tst_every_text_in_language.moc"
