#pragma once

#include "core/files/text_file.h"
#include "core/settings/window_placement.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <optional>
#include <utility>

namespace tabulo {

// The main window's view as it is kept from one run to the next, one file of
// the Data folder per setting, each written at quit and read at start-up:
//   LastFile.ini           the note's file (or the untitled caption)
//   Bar.ini                "0" the toolbar shown, "1" hidden
//   Scroll.ini             "0" long lines scrolled sideways (`Text1`),
//                          "1" wrapped to the width (`Editor2`)
//   Column.ini             "1" the running totals column shown, "0" not
//   TabuloStart.ini        the window's placement (see WindowPlacement)
//   TabuloStartForTOT.ini  the variant the launcher starts next: "1" the
//                          total at the top, "2" the totals at the bottom;
//                          only the launcher reads it, by its own rule
// A file that is missing, unreadable or holds nothing it knows leaves the
// default, which is what a first start shows.
struct MainWindowSettings
{
    enum class Scrolling { Sideways, Wrapped };

    QString lastFile;
    bool toolbarShown = false;
    Scrolling scrolling = Scrolling::Sideways;
    bool runningTotalsShown = false;
    WindowPlacement placement;
    bool totalAtTop = false; // written for the launcher, never read here

    bool operator==(const MainWindowSettings &) const = default;

    // A file's name and its whole text.
    using File = std::pair<QString, QString>;

    // The settings the files' texts give; a file absent from `files` leaves
    // its default.
    static MainWindowSettings parse(const QList<File> &files);
    // Every file with the text written for these settings, in the order they
    // are written at quit.
    QList<File> format() const;

    // parse() on the files of `dataFolder` as they are now.
    static MainWindowSettings read(const QString &dataFolder);
    // A file that could not be written, and why.
    struct WriteProblem
    {
        QString path;
        FileResult result;
    };
    // Writes every file (creating the folder); each one that could not be
    // written comes back with the reason, so the user can be told.
    QList<WriteProblem> write(const QString &dataFolder) const;

    // The first field of LastFile.ini's first line: the path, quotes removed.
    static QString parseLastFile(QStringView fileText);
    // The note file named at the last quit, read now: another copy of the
    // program may have quit since this one started.
    static QString readLastFile(const QString &dataFolder);

    static constexpr char lastFileName[] = "LastFile.ini";
    static constexpr char placementFileName[] = "TabuloStart.ini";
};

} // namespace tabulo
