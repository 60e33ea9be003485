#include "ui/services/desktop.h"

#include <QDesktopServices>
#include <QGuiApplication>
#include <QProcess>
#include <QSystemTrayIcon>
#include <QUrl>

namespace tabulo {

bool Desktop::hasSystemTray()
{
    return QSystemTrayIcon::isSystemTrayAvailable();
}

WindowSystemAbilities WindowSystemAbilities::forPlatform(const QString &platformName)
{
    // "wayland", "wayland-egl", "wayland-xcomposite-glx", ...
    const bool wayland = platformName.startsWith(QLatin1String("wayland"), Qt::CaseInsensitive);
    return {.keepsWindowsOnTop = !wayland, .makesWindowsSeeThrough = !wayland};
}

WindowSystemAbilities Desktop::windowSystem()
{
    return WindowSystemAbilities::forPlatform(QGuiApplication::platformName());
}

bool SystemDesktop::openInTextEditor(const QString &path)
{
    // A plain text file opens in the desktop's text editor through its
    // association.
    return QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}

bool SystemDesktop::openFolder(const QString &path)
{
    return QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}

bool SystemDesktop::openWithAssociatedProgram(const QString &path)
{
    return QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}

bool SystemDesktop::startProgram(const QString &program, const QStringList &arguments)
{
    return QProcess::startDetached(program, arguments);
}

} // namespace tabulo
