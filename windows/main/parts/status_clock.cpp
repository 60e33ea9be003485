#include "windows/main/parts/status_clock.h"

#include <QDate>
#include <QLabel>
#include <QTime>

namespace tabulo {

StatusClock::StatusClock(QLabel *datePanel, QLabel *timePanel, const QLocale &locale)
    : m_timePanel(timePanel)
    , m_locale(locale)
{
    datePanel->setText(QDate::currentDate().toString(QStringLiteral("MM-dd-yyyy")));
    Ora_Timer();
    Ora.setObjectName(QStringLiteral("Ora"));
    Ora.setInterval(1000);
    connect(&Ora, &QTimer::timeout, this, &StatusClock::Ora_Timer);
    Ora.start();
}

void StatusClock::Ora_Timer()
{
    m_timePanel->setText(m_locale.toString(QTime::currentTime(), QLocale::ShortFormat));
}

} // namespace tabulo
