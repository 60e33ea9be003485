// Start: starts the variant of Tabulo the user quit last, from the folder
// "Tabulo" beside it, hands it its own command line (a note to open) and ends
// at once without waiting for it.

#include "core/settings/program_folders.h"
#include "launcher/start_choice.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QProcess>

#include <cstdio>

using namespace tabulo;

namespace {

int fail(const QString &message)
{
    std::fprintf(stderr, "Start: %s\n", qPrintable(message));
    return 1;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const ProgramFolders folders
        = locateProgramFolders(QCoreApplication::applicationDirPath() + QStringLiteral("/Tabulo"));
    const launcher::Variant variant = launcher::variantFor(
        launcher::readStartFileHead(folders.dataFolder() + QStringLiteral("/TabuloStartForTOT.ini")));
    const QString program = programPath(folders.programFolder, launcher::programName(variant));

    if (!QFileInfo(program).isFile())
        return fail(
            QStringLiteral("%1 is missing, so Tabulo cannot start: this copy of Tabulo is incomplete.").arg(program));
    if (!QProcess::startDetached(program, app.arguments().mid(1)))
        return fail(QStringLiteral("%1 could not be started (is it executable?).").arg(program));
    return 0;
}
