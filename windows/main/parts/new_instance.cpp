#include "windows/main/parts/new_instance.h"

#include "core/settings/program_folders.h"
#include "ui/services/desktop.h"
#include "ui/services/program_context.h"
#include "ui/services/prompts.h"

#include <QFileInfo>

namespace tabulo {

QString newInstanceProgram(const QString &programFolder)
{
    return programPath(programFolder, QStringLiteral("Tabulo_Top"));
}

void NuovaIstanzaX_Click(const ProgramContext &context, QWidget *parent)
{
    const QString program = newInstanceProgram(context.programFolder);
    const QFileInfo file(program);
    SystemDesktop systemDesktop;
    QString reason;
    if (!file.exists())
        reason = QStringLiteral("The program file is missing.");
    else if (!file.isFile() || !file.isExecutable())
        reason = QStringLiteral("The file is not a program that can be run.");
    else if (!(context.desktop ? context.desktop : &systemDesktop)->startProgram(program, {}))
        reason = QStringLiteral("The system refused to start it.");
    if (!reason.isEmpty() && context.prompts)
        context.prompts->showError(
            parent, QStringLiteral("A new Tabulo window could not be started from \"%1\":\n%2").arg(program, reason));
}

} // namespace tabulo
