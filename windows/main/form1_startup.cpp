#include "windows/main/form1.h"

#include "core/files/text_file.h"
#include "core/settings/settings_line_file.h"
#include "core/settings/window_placement.h"
#include "ui/services/prompts.h"
#include "windows/main/note_editor.h"
#include "windows/main/outer_placement.h"
#include "windows/main/toolbar.h"
#include "windows/main/total_box.h"

#include <QAction>
#include <QDate>
#include <QFileInfo>
#include <QLabel>
#include <QScreen>
#include <QTime>

namespace tabulo {

namespace {

// The note named on the command line: the arguments as one text with every
// double quote removed, so a path with blanks arrives whole even unquoted.
QString commandLinePath(const QStringList &arguments)
{
    return arguments.join(QLatin1Char(' ')).remove(QLatin1Char('"')).trimmed();
}

QString currentYear()
{
    return QString::number(QDate::currentDate().year());
}

} // namespace

QString Form1::startHeader()
{
    return QStringLiteral("\r\n# Tabulo - notes that add up, by the Tabulo developers\r\n"
                          "# Ver. 5.00 - \u00A9 %1 the Tabulo developers, all rights reserved\r\n\r\n")
        .arg(currentYear());
}

void Form1::Form_Load()
{
    statusPanel(2)->setText(QStringLiteral("Sel: 0"));
    statusPanel(4)->setText(QDate::currentDate().toString(QStringLiteral("MM-dd-yyyy")));
    statusPanel(5)->setText(m_context.locale.toString(QTime::currentTime(), QLocale::ShortFormat));

    const bool noteNamed = !commandLinePath(m_context.arguments).isEmpty();
    if (noteNamed)
        loadCommandLineNote();
    startResetModi();
    visibleEditor()->moveCaretToEnd();
    visibleEditor()->setFocus();
    if (!noteNamed)
        m_session.setCaption(NoteSession::untitledCaption());
    action(QStringLiteral("O5"))->setChecked(true);
    Start.start();
}

void Form1::loadCommandLineNote()
{
    const QString path = commandLinePath(m_context.arguments);
    if (!QFileInfo::exists(path)) {
        // A note that does not exist yet: the first Save creates it.
        m_session.setCaption(path);
        return;
    }
    // A file that exists but cannot be read must never be overwritten by a
    // Save of the empty note, so the note then stays untitled.
    if (!openNoteFile(path))
        m_session.setCaption(NoteSession::untitledCaption());
}

void Form1::Ora_Timer()
{
    statusPanel(5)->setText(m_context.locale.toString(QTime::currentTime(), QLocale::ShortFormat));
}

void Form1::Start_Timer()
{
    Start.stop();
    LoadTheme();
    applyLanguage();
    LoadBarSetting();
    LoadScrollSetting();
    LoadColumnSetting();
    LoadWindowPlacement();
    if (!commandLinePath(m_context.arguments).isEmpty())
        return;
    setNoteText(noteText() + startHeader());
    // The start-up's reset, still to come, stands for the note with its header.
    if (resetModi.isActive())
        m_resetModiVersion = m_session.textVersion();
    visibleEditor()->moveCaretToEnd();
    visibleEditor()->setFocus();
}

void Form1::LoadBarSetting()
{
    QAction *item = action(QStringLiteral("MostraStrumentiX"));
    const auto line = SettingsLineFile::read(
        m_context.dataFile(QStringLiteral("Bar.ini")), {QStringLiteral("0"), QStringLiteral("1")});
    if (line)
        item->setChecked(*line == QLatin1String("1"));
    MostraStrumentiX_Click();
}

void Form1::LoadScrollSetting()
{
    action(QStringLiteral("VerticaleOrizzonateX"))->setChecked(true);
    const auto line = SettingsLineFile::read(
        m_context.dataFile(QStringLiteral("Scroll.ini")), {QStringLiteral("0"), QStringLiteral("1")});
    if (line == QLatin1String("0")) {
        showEditor(m_text1, m_editor2);
        action(QStringLiteral("SoloVerticaleX"))->setChecked(false);
        action(QStringLiteral("VerticaleOrizzonateX"))->setChecked(true);
    } else if (line == QLatin1String("1")) {
        showEditor(m_editor2, m_text1);
        action(QStringLiteral("VerticaleOrizzonateX"))->setChecked(false);
        action(QStringLiteral("SoloVerticaleX"))->setChecked(true);
    }
    Form_Resize();
}

void Form1::LoadWindowPlacement()
{
    const auto text = readTextFile(m_context.dataFile(QStringLiteral("TabuloStart.ini")), nullptr, 1024 * 1024);
    applyWindowPlacement(WindowPlacement::parse(text.value_or(QString())));
}

void Form1::applyWindowPlacement(const WindowPlacement &placement)
{
    if (placement.state == 2) {
        setWindowState(Qt::WindowMaximized);
        return;
    }
    const QRect frame = currentOuterGeometry(this);
    double top = placement.top.value_or(toTwips(frame.y()));
    double left = placement.left.value_or(toTwips(frame.x()));
    const double width = placement.width.value_or(toTwips(frame.width()));
    const double height = placement.height.value_or(toTwips(frame.height()));
    // A window minimised at quit is recorded far off the screen.
    if (top < 0)
        top = 100;
    if (left < 0)
        left = 100;
    QRect wanted(pixels(left), pixels(top), pixels(width), pixels(height));
    if (const QScreen *shown = screen())
        wanted = fitOnScreen(wanted, shown->availableGeometry());
    // Numbers that place the window exactly as they say are written back
    // unchanged at quit if the window stays there.
    m_restoredPlacement.reset();
    std::optional<RestoredPlacement> restored;
    if (placement.top && placement.left && placement.width && placement.height
        && wanted
            == QRect(
                pixels(*placement.left), pixels(*placement.top), pixels(*placement.width), pixels(*placement.height)))
        restored = RestoredPlacement {{*placement.top, *placement.left, *placement.width, *placement.height}, wanted};
    const bool minimised = placement.state == 1;
    placeOuterGeometry(this, wanted, [this, minimised, restored] {
        m_restoredPlacement = restored;
        if (minimised)
            setWindowState(Qt::WindowMinimized);
        Form_Resize();
    });
}

} // namespace tabulo
