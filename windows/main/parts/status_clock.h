#pragma once

#include <QLocale>
#include <QObject>
#include <QTimer>

class QLabel;

namespace tabulo {

// The date and the time in the status bar (`sbStatusBar(4)` and (5)), the
// time kept current by the `Ora` timer, in the program's locale.
class StatusClock : public QObject
{
    Q_OBJECT
public:
    StatusClock(QLabel *datePanel, QLabel *timePanel, const QLocale &locale);

    void Ora_Timer();
    bool isTicking() const { return Ora.isActive(); }

private:
    QLabel *m_timePanel;
    QLocale m_locale;
    QTimer Ora;
};

} // namespace tabulo
