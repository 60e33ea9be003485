#include "windows/main/parts/new_instance.h"

#include "core/language/language_keys.h"
#include "core/settings/program_folders.h"
#include "ui/services/desktop.h"
#include "ui/services/program_context.h"
#include "ui/services/prompts.h"

#include <QDir>
#include <QFileInfo>

namespace tabulo {

QString newInstanceProgram(const QString &programFolder)
{
    return programPath(programFolder, QStringLiteral("Tabulo_Top"));
}

void NuovaIstanzaX_Click(const ProgramContext &context, QWidget *parent, const LanguageTextLookup &text)
{
    const QString program = newInstanceProgram(context.programFolder);
    const QFileInfo file(program);
    SystemDesktop systemDesktop;
    int reason = 0;
    if (!file.exists())
        reason = LanguageKeys::programMissing;
    else if (!file.isFile() || !file.isExecutable())
        reason = LanguageKeys::programNotRunnable;
    else if (!(context.desktop ? context.desktop : &systemDesktop)->startProgram(program, {}))
        reason = LanguageKeys::programRefused;
    if (reason && context.prompts)
        context.prompts->showError(
            parent, text(LanguageKeys::newInstanceNotStarted).arg(QDir::toNativeSeparators(program), text(reason)));
}

} // namespace tabulo
