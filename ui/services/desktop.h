#pragma once

#include <QString>
#include <QStringList>

namespace tabulo {

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
