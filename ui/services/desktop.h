#pragma once

#include <QString>
#include <QStringList>

namespace tabulo {

// What the window system lets a program do with its own windows. Wayland
// leaves a window's stacking to the compositor, and Qt's Wayland platform
// sets no opacity on a whole window (it prints a warning each time it is
// asked): there both options are the compositor's, not the program's.
struct WindowSystemAbilities
{
    bool keepsWindowsOnTop = true;
    bool makesWindowsSeeThrough = true;

    // For the platform Qt runs on, by its name ("xcb", "wayland", ...).
    static WindowSystemAbilities forPlatform(const QString &platformName);
};

// What the program asks of the desktop: opening files and folders and
// starting programs. Tests replace it with a recorder.
class Desktop
{
public:
    virtual ~Desktop() = default;
    virtual bool openInTextEditor(const QString &path) = 0;
    virtual bool openFolder(const QString &path) = 0;
    virtual bool openWithAssociatedProgram(const QString &path) = 0;
    virtual bool startProgram(const QString &program, const QStringList &arguments) = 0;
    // Whether the desktop shows a notification area (tray) that can hold the
    // program's icon. Asked each time: a panel can come and go.
    virtual bool hasSystemTray();
    // What the window system in use allows; an option it does not allow is
    // offered greyed out, never set and left to print warnings.
    virtual WindowSystemAbilities windowSystem();
};

class SystemDesktop final : public Desktop
{
public:
    bool openInTextEditor(const QString &path) override;
    bool openFolder(const QString &path) override;
    bool openWithAssociatedProgram(const QString &path) override;
    bool startProgram(const QString &program, const QStringList &arguments) override;
};

} // namespace tabulo
