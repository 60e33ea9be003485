#include "windows/main/form1.h"
#include "windows/script_output/form3.h"

#include "core/files/text_file.h"
#include "core/language/language_keys.h"
#include "core/settings/record_format.h"
#include "core/settings/settings_line_file.h"
#include "core/settings/window_placement.h"
#include "ui/services/prompts.h"
#include "windows/main/form6.h"
#include "windows/main/note_editor.h"
#include "windows/main/outer_placement.h"
#include "windows/main/toolbar.h"
#include "windows/main/tray_behaviour.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QFile>
#include <QToolButton>

namespace tabulo {

void Form1::closeEvent(QCloseEvent *event)
{
    if (m_quitting) {
        event->accept();
        return;
    }
    // Closing the window never ends the program directly: the quit dialog
    // asks what to do.
    event->ignore();
    Form_Unload();
}

bool Form1::waitsForScriptOutput()
{
    // While a script's output window is open the program waits for it: the
    // script may be changing the note, and its window must close first.
    Form3 *output = scriptOutput();
    if (!output)
        return false;
    output->raise();
    output->activateWindow();
    return true;
}

void Form1::Form_Unload()
{
    if (waitsForScriptOutput())
        return;
    closeCalculator();
    if (!m_form6) {
        m_form6 = new Form6(m_surface->palette().color(QPalette::Window));
        connect(m_form6, &Form6::quitChosen, this, [this] { onQuit.start(); });
        connect(m_form6, &Form6::trayChosen, this, [this] { OnTrayBar.start(); });
        connect(m_form6, &Form6::closed, this, [this] {
            setEnabled(true);
            activateWindow();
            visibleEditor()->setFocus();
        });
    }
    m_form6->show();
    m_form6->raise();
    m_form6->activateWindow();
    setEnabled(false);
    m_form6->Command1->setText(languageText(64));
    m_form6->Command2->setText(languageText(65));
    m_form6->Command3->setText(languageText(66));
}

void Form1::onQuit_Timer()
{
    onQuit.stop();
    if (waitsForScriptOutput())
        return;
    // A changed script is asked about first; Cancel there keeps everything open.
    if (m_form8 && !m_form8->close())
        return;
    if (m_session.modi()) {
        switch (m_context.prompts->askYesNoCancel(this, languageText(15))) {
        case Prompts::Answer::Yes:
            // A note without a file goes to the save dialog, which ends the
            // program once it has saved. A failed or cancelled save keeps the
            // program running with the text.
            if (!m_session.hasFile()) {
                m_session.NuovoFileInUscita = true;
                Save_Calc_Click();
                return;
            }
            if (!saveToCurrentFile())
                return;
            break;
        case Prompts::Answer::No:
            break;
        case Prompts::Answer::Cancel:
            return;
        }
    }

    for (const char *name : {"Temp.cal", "Temp2.cal", "Temp.txt", "TabuloScript.tmp", "TempVb.ini"})
        QFile::remove(m_context.dataFile(QString::fromLatin1(name)));

    const QString problems = savedStateErrors();
    if (!problems.isEmpty())
        m_context.prompts->showError(
            this, QStringLiteral("Tabulo could not keep its settings for the next start:\n%1").arg(problems));
    finishQuit();
}

QString Form1::savedStateErrors()
{
    QDir().mkpath(m_context.dataFolder());
    const QRect frame = m_tray->outerGeometry();
    // A window in the tray counts as minimised, whatever the window manager
    // made of its state when it was hidden.
    const int state = isMinimized() || m_tray->isInTray() ? 1 : isMaximized() ? 2 : 0;
    const QString launcherValue
        = m_context.variant == LayoutVariant::TotalAtTop ? QStringLiteral("1") : QStringLiteral("2");
    const std::pair<QString, FileResult> writes[] = {
        {QStringLiteral("LastFile.ini"),
            SettingsLineFile::write(m_context.dataFile(QStringLiteral("LastFile.ini")), {windowTitle()})},
        {QStringLiteral("Bar.ini"),
            SettingsLineFile::write(m_context.dataFile(QStringLiteral("Bar.ini")),
                {action(QStringLiteral("MostraStrumentiX"))->isChecked() ? QStringLiteral("0") : QStringLiteral("1")})},
        {QStringLiteral("Scroll.ini"),
            SettingsLineFile::write(m_context.dataFile(QStringLiteral("Scroll.ini")),
                {visibleEditor() == m_text1 ? QStringLiteral("0") : QStringLiteral("1")})},
        {QStringLiteral("Column.ini"),
            SettingsLineFile::write(m_context.dataFile(QStringLiteral("Column.ini")),
                {action(QStringLiteral("ColonnaTotaliX"))->isChecked() ? QStringLiteral("1") : QStringLiteral("0")})},
        {QStringLiteral("TabuloStart.ini"),
            SettingsLineFile::write(m_context.dataFile(QStringLiteral("TabuloStart.ini")),
                {placementRecordAtQuit(frame, state, Twips::forDpi(logicalDpiY()), m_restoredPlacement)})},
        {QStringLiteral("TabuloStartForTOT.ini"),
            SettingsLineFile::write(m_context.dataFile(QStringLiteral("TabuloStartForTOT.ini")),
                {RecordFormat::formatRecord({launcherValue})})},
    };
    QStringList problems;
    for (const auto &[name, result] : writes) {
        if (!result.ok)
            problems << QStringLiteral("%1: %2").arg(m_context.dataFile(name), result.error);
    }
    return problems.join(QLatin1Char('\n'));
}

void Form1::finishQuit()
{
    m_quitting = true;
    if (m_form6)
        m_form6->close();
    close();
    QCoreApplication::exit(0);
}

void Form1::ResettaInterfacciaX_Click()
{
    showNormal();
    const QSize frameExtra = currentOuterGeometry(this).size() - geometry().size();
    resize(QSize(pixels(9600), pixels(7200)) - frameExtra);
    move(pixels(toTwips(m_surface->width()) / 3), pixels(toTwips(m_surface->height()) / 3));
    QFile::remove(m_context.dataFile(QStringLiteral("TabuloStart.ini")));
}

} // namespace tabulo
