#pragma once

#include <QObject>
#include <QString>
#include <QTimer>

#include <memory>

class QWindow;

namespace tabulo {

class Form1;

// For the tests and benchmarks that run the built programs: when the
// environment variable TABULO_QUIT_WHEN_SHOWN names a file, the program quits
// by its ordinary quit sequence (settings and start file written) as soon as
// its window is on screen and its start-up has run. After the quit it writes
// into that file when the window was first shown, in milliseconds since the
// epoch, and its version:
//     shown 1765123456789
//     version 3.00
// Nothing of this runs unless the variable is set.
class QuitWhenShown : public QObject
{
public:
    // Nothing when the variable is not set.
    static std::unique_ptr<QuitWhenShown> fromEnvironment(Form1 &window);

    QuitWhenShown(Form1 &window, QString reportPath);
    // After the event loop has ended: the quit sequence has written its files.
    void writeReport() const;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void quitOnceStarted();

    Form1 &m_window;
    QWindow *m_handle = nullptr;
    QString m_reportPath;
    qint64 m_shownAt = 0;
    QTimer m_poll;
    QTimer m_watchdog;
};

} // namespace tabulo
