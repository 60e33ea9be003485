#pragma once

#include <QFileDevice>
#include <QString>

namespace tabulo {

// Why a file could not be read or written. The core reports this code; the
// windows turn it into a sentence of the user's language (see
// fileProblemText in core/language), so no system message in English ever
// stands inside a translated one.
enum class FileProblem {
    None,
    NotFound, // the file, or a folder on its way, does not exist
    PermissionDenied, // the system does not let this user read or write it
    IsFolder, // a folder stands where the file should be
    NotAFolder, // a file stands where a folder should be
    DiskFull, // no space is left on the disk
    ReadOnly, // the file, or the disk it is on, can only be read
    BinaryData, // it holds NUL bytes: not a text file
    TooLarge, // above the size the reader takes; `limit` is that size in bytes
    LineTooLong, // a line longer than the editor shows; `limit` is that length
    ReadFailed, // any other failure while reading
    WriteFailed, // any other failure while writing
};

// What the file system says about a path at the moment an operation on it
// failed, gathered once so the classification below is a pure function.
struct PathFacts
{
    bool exists = false;
    bool isFolder = false;
    bool readable = false;
    bool writable = false;
    bool folderOnTheWayMissing = false; // a folder of the path does not exist
    bool fileOnTheWay = false; // a part of the path is a file, not a folder
    bool folderWritable = false; // the folder that holds the path
    bool onReadOnlyDisk = false;
    bool noSpaceLeft = false; // the disk it is on has no byte free for this user
};

PathFacts inspectPath(const QString &path);

// The problem behind a failed open or read of an existing or missing file.
FileProblem classifyReadFailure(const PathFacts &facts);
// The problem behind a failed write. `error` is the device's error kind
// for a failed write or commit (the system reports "no space" as a resource
// error there), QFileDevice::OpenError for a file that could not be opened;
// the file system tells the rest.
FileProblem classifyWriteFailure(QFileDevice::FileError error, const PathFacts &facts);

} // namespace tabulo
