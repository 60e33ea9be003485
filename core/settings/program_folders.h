#pragma once

#include "core/files/text_file.h"

#include <QString>

namespace tabulo {

// Where a copy of Tabulo keeps the files it writes. A copy run from its own
// folder (the build's dist/, an unpacked archive) keeps its Data folder, the
// exported page and the projects folder beside the programs, so it can be
// carried around whole. An installed copy never writes into its installation:
// each user gets a folder of their own, seeded from the Data folder the
// installation ships.
//
// The launcher and both main programs make the same decision, so the launcher
// reads the start file where the main programs write it.
struct ProgramFolders
{
    QString programFolder; // where the main programs are; the other variant starts from here
    QString writableFolder; // holds Data/, the exported page and the projects folder
    bool perUser = false; // writableFolder is the user's own folder, not the program folder

    QString dataFolder() const { return writableFolder + QStringLiteral("/Data"); }
    QString shippedDataFolder() const { return programFolder + QStringLiteral("/Data"); }
};

// The file the install step leaves beside the main programs. Its presence
// alone marks an installed copy: a writable folder is not proof enough, since
// root may write anywhere, and an installation must stay as installed.
inline constexpr char installedMarkerName[] = "installed.txt";

// What the decision needs to know about the program folder.
struct ProgramFolderFacts
{
    bool markedInstalled = false;
    bool programFolderWritable = true;
    bool dataFolderWritable = true; // a Data folder that does not exist yet counts as writable
};

ProgramFolders chooseProgramFolders(
    const QString &programFolder, const ProgramFolderFacts &facts, const QString &perUserFolder);

ProgramFolderFacts inspectProgramFolder(const QString &programFolder);

// The user's own folder for an installed copy: where the toolkit's
// AppDataLocation points for a program named "Tabulo" (on Linux
// $XDG_DATA_HOME/Tabulo, by default ~/.local/share/Tabulo). Worked out
// without the process's application name, so the launcher and the main
// programs agree whatever each calls itself.
QString perUserFolder();

// chooseProgramFolders() on what the file system says about the folder.
ProgramFolders locateProgramFolders(const QString &programFolder);

// Gives a per-user folder its Data folder on first start: a copy of the
// shipped one, every file writable by its owner. The copy is made aside and
// moved into place in one step, so an interrupted first start leaves no
// half-filled Data folder behind. `desktopLanguage`, when it names a
// language the Data folder ships, becomes the language of that first start.
//
// Every later start brings the files up to date with the installation, so
// an upgrade's language texts, help pages and themes reach the user: a
// shipped file the user has not changed since it was copied is replaced by
// the shipped one, a new shipped file is added, and a file the user changed,
// added or deleted stays as the user left it. What was copied is remembered
// by its checksum in `seededManifestName`, beside the Data folder.
FileResult seedDataFolder(const ProgramFolders &folders, const QString &desktopLanguage = {});

inline constexpr char seededManifestName[] = "ShippedData.sha256";

// The path of a program of this suite ("Tabulo_Top", "Start") in a folder,
// with the platform's executable suffix.
QString programPath(const QString &folder, const QString &baseName);

} // namespace tabulo
