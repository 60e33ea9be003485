#include "windows/main/form6.h"

#include "core/settings/twips.h"
#include "ui/icons/tabulo_icons.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QToolButton>

namespace tabulo {

Form6::Form6(const QColor &background, QWidget *parent)
    // A narrow title bar with only a close box: never a minimise or a
    // maximise, which would take the dialog away and leave the main window
    // disabled behind it.
    : QDialog(parent,
        Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint | Qt::WindowStaysOnTopHint)
{
    setObjectName(QStringLiteral("Form6"));
    setWindowTitle(QStringLiteral("Tabulo"));
    setModal(false);
    setAttribute(Qt::WA_DeleteOnClose);
    setAutoFillBackground(true);
    QPalette p = palette();
    p.setColor(QPalette::Window, background);
    setPalette(p);

    const Twips scale = Twips::forDpi(logicalDpiY());
    auto px = [scale](int twips) { return scale.toPixels(twips); };
    setFixedSize(px(5895), px(1815));

    const char *const names[] = {"Command1", "Command2", "Command3"};
    const char *const captions[] = {"Esci dal Programma", "Porta sulla TrayBar", "Annulla"};
    const int lefts[] = {120, 2040, 3960};
    QToolButton *buttons[3];
    for (int i = 0; i < 3; ++i) {
        auto *button = new QToolButton(this);
        button->setObjectName(QString::fromLatin1(names[i]));
        button->setText(QString::fromUtf8(captions[i]));
        button->setIcon(QIcon(icons::quitDialogPicture(i, devicePixelRatioF())));
        button->setIconSize(QSize(48, 48));
        button->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
        button->setGeometry(px(lefts[i]), px(120), px(1815), px(1575));
        button->setAutoRaise(false);
        buttons[i] = button;
    }
    Command1 = buttons[0];
    Command2 = buttons[1];
    Command3 = buttons[2];
    connect(Command1, &QToolButton::clicked, this, [this] {
        emit quitChosen();
        close();
    });
    connect(Command2, &QToolButton::clicked, this, [this] {
        emit trayChosen();
        close();
    });
    connect(Command3, &QToolButton::clicked, this, &QDialog::close);

    if (const QScreen *screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->availableGeometry();
        move(area.center() - QPoint(width() / 2, height() / 2));
    }
}

void Form6::setTexts(const Texts &texts)
{
    Command1->setText(texts.quit);
    Command2->setText(texts.tray);
    Command3->setText(texts.cancel);
}

void Form6::closeEvent(QCloseEvent *event)
{
    QDialog::closeEvent(event);
    if (event->isAccepted() && !m_closedSignalled) {
        m_closedSignalled = true;
        emit closed();
    }
}

void Form6::done(int result)
{
    // Esc ends a dialog through done(), not through a close event.
    QDialog::done(result);
    if (!m_closedSignalled) {
        m_closedSignalled = true;
        emit closed();
    }
}

} // namespace tabulo
