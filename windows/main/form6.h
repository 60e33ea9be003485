#pragma once

#include <QDialog>

class QToolButton;

namespace tabulo {

// The quit dialog: quit, send the window to the tray, or go back to the
// note. It is not modal: the main window disables itself while it is open.
class Form6 : public QDialog
{
    Q_OBJECT
public:
    explicit Form6(const QColor &background, QWidget *parent = nullptr);

    // The buttons' captions in the current language.
    struct Texts
    {
        QString quit, tray, cancel;
    };
    void setTexts(const Texts &texts);

    QToolButton *Command1 = nullptr; // quit
    QToolButton *Command2 = nullptr; // to the tray
    QToolButton *Command3 = nullptr; // cancel

signals:
    void quitChosen();
    void trayChosen();
    void closed();

protected:
    void closeEvent(QCloseEvent *event) override;
    void done(int result) override;

private:
    bool m_closedSignalled = false;
};

} // namespace tabulo
