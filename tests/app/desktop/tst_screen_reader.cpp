// The built program as a screen reader meets it: started on a private X
// display with a window manager, in a D-Bus session whose accessibility bus
// says a screen reader is running, and read only over that bus. Every
// control of every window has a name; the running total of the caret's line
// is the note's description, and moving the caret announces it.

#include "tests/app/desktop/accessibility_bus.h"
#include "tests/app/desktop/desktop_session.h"
#include "tests/windows/main/virtual_desktop.h"

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusInterface>
#include <QDBusReply>
#include <QDBusVariant>

using namespace tabulo::testing;

namespace {

bool cannotRunHere = false;

// What the note holds, as the editor has it: lines start at 0, 6, 11 and 16.
const QByteArray note = "+1000\r\n-250\r\ntext\r\n*2";

// What a screen reader does when it starts: it tells the session, and the
// programs' accessibility bridges join the bus.
QString announceScreenReader()
{
    QDBusInterface status(QStringLiteral("org.a11y.Bus"), QStringLiteral("/org/a11y/bus"),
        QStringLiteral("org.freedesktop.DBus.Properties"), QDBusConnection::sessionBus());
    const QDBusMessage reply = status.call(QStringLiteral("Set"), QStringLiteral("org.a11y.Status"),
        QStringLiteral("ScreenReaderEnabled"), QVariant::fromValue(QDBusVariant(true)));
    if (reply.type() == QDBusMessage::ErrorMessage)
        return QStringLiteral("the accessibility bus is not installed (at-spi2-core): ") + reply.errorMessage();
    return {};
}

} // namespace

class ScreenReaderTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();
    void cleanupTestCase() { AccessibilityBus::disconnect(); }
    void mainWindowControlsHaveNames();
    void theCaretLinesRunningTotalIsReadAndAnnounced();
    void everyWindowNamesItsControls_data();
    void everyWindowNamesItsControls();

private:
    // Starts a fresh copy of Tabulo_Bt on the note; its application on the bus.
    BusObject startProgram();
    BusObject mainWindow() const { return m_application.find(QStringLiteral("frame"), m_notePath); }

    VirtualDesktop m_display;
    SessionProcesses m_session;
    std::unique_ptr<ProgramCopy> m_copy;
    std::unique_ptr<QProcess> m_program;
    BusObject m_application;
    QString m_notePath;
};

void ScreenReaderTest::initTestCase()
{
    QString problem = m_display.start();
    if (problem.isEmpty() && !m_display.startWindowManager())
        problem = QStringLiteral("openbox did not start");
    if (problem.isEmpty())
        problem = m_session.startSessionBus();
    if (problem.isEmpty())
        problem = announceScreenReader();
    if (problem.isEmpty())
        AccessibilityBus::connect(&problem);
    if (!problem.isEmpty()) {
        cannotRunHere = true;
        QSKIP(qPrintable(problem));
    }
}

BusObject ScreenReaderTest::startProgram()
{
    m_copy = std::make_unique<ProgramCopy>();
    if (!m_copy->isReady())
        return {};
    m_notePath = m_copy->filePath(QStringLiteral("Db/Nota.txt"));
    m_copy->writeFile(QStringLiteral("Db/Nota.txt"), note);
    m_copy->writeFile(QStringLiteral("Db/Nota.vb"), "Echo.Write \"ok\"\r\n");
    // The toolbar shown, and the running totals beside the note.
    m_copy->writeFile(QStringLiteral("Data/Bar.ini"), "0\r\n");
    m_copy->writeFile(QStringLiteral("Data/Column.ini"), "1\r\n");
    m_program = std::make_unique<QProcess>();
    m_program->setProcessEnvironment(m_copy->environment(QStringLiteral("xcb")));
    m_program->setProcessChannelMode(QProcess::ForwardedErrorChannel);
    m_program->start(m_copy->filePath(QStringLiteral("Tabulo_Bt")), {m_notePath});
    if (!m_program->waitForStarted())
        return {};
    m_application = AccessibilityBus::application(m_program->processId(), 15000);
    if (!QTest::qWaitFor([this] { return !mainWindow().isNull(); }, 10000))
        return {};
    return m_application;
}

void ScreenReaderTest::cleanup()
{
    if (m_program && m_program->state() != QProcess::NotRunning) {
        // "Esci" while the main window can take it; a dialog that keeps it
        // disabled leaves the ordinary end of a session.
        const BusObject quit = m_application.findMenuItem(QStringLiteral("Esci"));
        if (quit.isNull() || !quit.isEnabled() || !quit.press() || !m_program->waitForFinished(10000)) {
            m_program->terminate();
            m_program->waitForFinished(10000);
        }
    }
    m_application = {};
    m_program.reset();
    m_copy.reset();
}

void ScreenReaderTest::mainWindowControlsHaveNames()
{
    QVERIFY(!startProgram().isNull());
    const BusObject window = mainWindow();
    QVERIFY(!window.isNull());
    QCOMPARE(window.unnamedControls(), QString());
    QVERIFY(!window.find(QStringLiteral("text"), QStringLiteral("Nota")).isNull());
    QVERIFY(!window.find(QStringLiteral("text"), QStringLiteral("Totale")).isNull());
    QVERIFY(!window.find(QStringLiteral("text"), QStringLiteral("Totale della selezione")).isNull());
    // The toolbar's buttons show only pictures: each is named by its tip.
    for (const char *tool : {"Nuovo File", "Carica File", "Salva", "Calcolatrice", "Help"})
        QVERIFY2(!window.find(QStringLiteral("label"), QString::fromUtf8(tool)).isNull(), tool);
    // Each status panel says what it shows.
    QVERIFY(!window.find(QStringLiteral("label"), QStringLiteral("Ok")).isNull());
    QVERIFY(!window.find(QStringLiteral("label"), QStringLiteral("CC: %1").arg(note.size())).isNull());
}

void ScreenReaderTest::theCaretLinesRunningTotalIsReadAndAnnounced()
{
    QVERIFY(!startProgram().isNull());
    const BusObject editor = mainWindow().find(QStringLiteral("text"), QStringLiteral("Nota"));
    QVERIFY(!editor.isNull());
    // The caret starts at the end of the note, on its last line.
    QTRY_COMPARE(editor.description(), QStringLiteral("Totale di riga: 1500"));

    AccessibilityBus::listenToDescriptionChanges();
    QVERIFY(editor.setCaretOffset(7)); // "-250"
    QTRY_COMPARE(editor.description(), QStringLiteral("Totale di riga: 750"));
    QVERIFY(editor.setCaretOffset(8)); // the same line: nothing new
    QVERIFY(editor.setCaretOffset(12)); // "text" does not count
    QTRY_COMPARE(editor.description(), QString());
    QVERIFY(editor.setCaretOffset(17)); // "*2"
    QTRY_COMPARE(editor.description(), QStringLiteral("Totale di riga: 1500"));
    QTRY_COMPARE(AccessibilityBus::heardDescriptions(),
        (QStringList {QStringLiteral("Totale di riga: 750"), QString(), QStringLiteral("Totale di riga: 1500")}));
}

void ScreenReaderTest::everyWindowNamesItsControls_data()
{
    QTest::addColumn<QString>("menuItem");
    QTest::addColumn<QString>("windowRole");
    QTest::addColumn<QString>("caption"); // the start of the window's caption
    QTest::addColumn<QStringList>("named"); // "role|name" of controls that show no caption

    QTest::newRow("calculator") << "Calcolatrice"
                                << "frame"
                                << "Tabulo - Calcolatrice"
                                << QStringList {
                                       "text|Risultato", "text|Espressione", "push button|Cancella", "list|Cronologia"};
    QTest::newRow("find and replace") << "Trova e Sostituisci..."
                                      << "dialog"
                                      << "Tabulo - Trova e Sostituisci"
                                      << QStringList {"text|Trova:", "text|Sostituisci con:"};
    QTest::newRow("open dialog") << "Carica File..."
                                 << "dialog"
                                 << "Tabulo - File"
                                 << QStringList {"list|Cartelle", "list|Note", "text|Filtra per nome"};
    QTest::newRow("save dialog") << "Salva con Nome..."
                                 << "dialog"
                                 << "Tabulo - File"
                                 << QStringList {"list|Cartelle", "list|Note", "text|Nome della nota"};
    QTest::newRow("script editor") << "Inserisci Script..."
                                   << "frame"
                                   << "Tabulo Script & VbScript" << QStringList {"text|Script della nota"};
    QTest::newRow("script output") << "Esegui Tabulo Script..."
                                   << "frame"
                                   << "Tabulo Script - " << QStringList {"text|Output dello script"};
}

void ScreenReaderTest::everyWindowNamesItsControls()
{
    QFETCH(QString, menuItem);
    QFETCH(QString, windowRole);
    QFETCH(QString, caption);
    QFETCH(QStringList, named);
    QVERIFY(!startProgram().isNull());
    const BusObject item = m_application.findMenuItem(menuItem);
    QVERIFY(!item.isNull());
    QVERIFY(item.press());
    BusObject window;
    QStringList windows; // what there was, should the window not come
    const bool opened = QTest::qWaitFor(
        [&] {
            windows.clear();
            for (const BusObject &candidate : m_application.children()) {
                windows << candidate.role() + QStringLiteral(" '") + candidate.name() + QLatin1Char('\'');
                if (candidate.role() == windowRole && candidate.name().startsWith(caption) && candidate.isShowing())
                    window = candidate;
            }
            return !window.isNull();
        },
        10000);
    QVERIFY2(opened, qPrintable(windows.join(QStringLiteral(", "))));
    QCOMPARE(window.unnamedControls(), QString());
    for (const QString &control : std::as_const(named)) {
        const QStringList roleAndName = control.split(QLatin1Char('|'));
        QVERIFY2(!window.find(roleAndName[0], roleAndName[1]).isNull(), qPrintable(control));
    }
}

int main(int argc, char *argv[])
{
    // The test runs on its own display and bus: both exist before the
    // application starts, as in a desktop session.
    QCoreApplication app(argc, argv);
    ScreenReaderTest test;
    const int result = QTest::qExec(&test, argc, argv);
    return cannotRunHere ? 77 : result;
}

#include "tst_screen_reader.moc"
