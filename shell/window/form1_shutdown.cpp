#include "form1.h"

#include "files/text_file.h"
#include "form6.h"
#include "language_defaults.h"
#include "note_editor.h"
#include "outer_placement.h"
#include "record_format.h"
#include "services/prompts.h"
#include "settings_line_file.h"
#include "toolbar.h"
#include "tray_behaviour.h"
#include "window_placement.h"

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

void Form1::Form_Unload()
{
    if (!m_form6) {
        m_form6 = new Form6(palette().color(QPalette::Window));
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
    m_form6->Command1->setText(defaultLanguageText(64));
    m_form6->Command2->setText(defaultLanguageText(65));
    m_form6->Command3->setText(defaultLanguageText(66));
}

bool Form1::saveNoteTo(const QString &path)
{
    const FileResult saved = saveNoteFile(path, noteText());
    if (!saved.ok)
        m_context.prompts->showError(this, QStringLiteral("The note could not be saved to \"%1\":\n%2\n\n"
                                                          "Your text is still here, unchanged.")
                                               .arg(path, saved.error));
    return saved.ok;
}

void Form1::SaveX_Click()
{
    if (isUntitled()) {
        Save_Calc_Click();
        return;
    }
    // A failed save keeps the note marked as changed, with its history.
    if (saveNoteTo(windowTitle()))
        resetModi.start();
}

void Form1::Save_Calc_Click()
{
    const auto chosen = m_context.prompts->askSavePath(this, QDir::homePath());
    if (!chosen) {
        // Nothing was saved: neither a waiting New nor a waiting quit goes on.
        NuovoFile.clear();
        NuovoFileInUscita.clear();
        return;
    }
    QString path = *chosen;
    if (!path.endsWith(QLatin1String(".txt"), Qt::CaseInsensitive))
        path += QLatin1String(".txt");
    if (!saveNoteTo(path)) {
        NuovoFile.clear();
        NuovoFileInUscita.clear();
        return;
    }
    setWindowTitle(path);
    if (!NuovoFileInUscita.isEmpty()) {
        finishQuit();
        return;
    }
    resetModi.start();
}

void Form1::onQuit_Timer()
{
    onQuit.stop();
    if (m_modi == 1) {
        switch (m_context.prompts->askYesNoCancel(this, defaultLanguageText(15))) {
        case Prompts::Answer::Yes:
            NuovoFileInUscita = QStringLiteral("1");
            if (isUntitled()) {
                Save_Calc_Click();
                return;
            }
            if (!saveNoteTo(windowTitle())) {
                NuovoFileInUscita.clear();
                return;
            }
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
        m_context.prompts->showError(this, QStringLiteral("Tabulo could not keep its settings for the next start:\n%1")
                                               .arg(problems));
    finishQuit();
}

QString Form1::savedStateErrors()
{
    QDir().mkpath(m_context.dataFolder());
    const QRect frame = m_tray->outerGeometry();
    // A window in the tray counts as minimised, whatever the window manager
    // made of its state when it was hidden.
    const int state = isMinimized() || m_tray->isInTray() ? 1 : isMaximized() ? 2 : 0;
    const QString launcherValue = m_context.variant == LayoutVariant::TotalAtTop ? QStringLiteral("1")
                                                                                  : QStringLiteral("2");
    const std::pair<QString, FileResult> writes[] = {
        {QStringLiteral("LastFile.ini"),
         SettingsLineFile::write(m_context.dataFile(QStringLiteral("LastFile.ini")), {windowTitle()})},
        {QStringLiteral("Bar.ini"),
         SettingsLineFile::write(m_context.dataFile(QStringLiteral("Bar.ini")),
                                 {action(QStringLiteral("MostraStrumentiX"))->isChecked() ? QStringLiteral("0")
                                                                                          : QStringLiteral("1")})},
        {QStringLiteral("Scroll.ini"),
         SettingsLineFile::write(m_context.dataFile(QStringLiteral("Scroll.ini")),
                                 {visibleEditor() == m_text1 ? QStringLiteral("0") : QStringLiteral("1")})},
        {QStringLiteral("TabuloStart.ini"),
         SettingsLineFile::write(m_context.dataFile(QStringLiteral("TabuloStart.ini")),
                                 {placementRecordAtQuit(frame, state, Twips::forDpi(logicalDpiY()),
                                                        m_restoredPlacement)})},
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
