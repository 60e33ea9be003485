#pragma once

#include "core/files/text_file.h"
#include "core/recovery/recovery_copy.h"

#include <QDateTime>
#include <QString>

#include <memory>
#include <optional>
#include <vector>

class QLockFile;

namespace tabulo {

// A recovery copy left by a program that is no longer running, held by
// this program from the moment it was found: no other program offers it
// while this one decides. Whatever is not decided when it goes is kept for
// the next start.
class LeftCopy
{
public:
    LeftCopy(QString path, std::unique_ptr<QLockFile> lock);
    ~LeftCopy();
    LeftCopy(const LeftCopy &) = delete;
    LeftCopy &operator=(const LeftCopy &) = delete;

    QString path() const { return m_path; }
    QDateTime lastWritten() const;
    // The copy as it was written; nothing when it cannot be read or is not
    // a whole copy.
    std::optional<RecoveryCopy> read() const;

    // The copy becomes the file at `ownPath`, this program's own copy, in
    // one step; false when it could not be moved or `ownPath` is taken (it
    // is then left as it is).
    bool adoptAs(const QString &ownPath);
    // The copy is deleted: the user does not want it back.
    void discard();
    // A copy that cannot be read is never deleted and never offered again:
    // it is renamed beside the others and its new path returned (the old
    // one if even that failed).
    QString setAside();

private:
    void release();

    QString m_path;
    std::unique_ptr<QLockFile> m_lock;
};

// The recovery copies of every program that uses one Data folder, in its
// folder "Recovery": "<name>.note" is a program's copy, and "<name>.lock", a
// QLockFile (process id, host, program name) that the program takes at
// start and holds to its end, says that the program is still running. A
// copy whose lock is free, or stale because its program has gone, was left
// by a crash, a kill or a power cut. Several programs running at once each
// have a name of their own and never take each other's copy.
class RecoveryFolder
{
public:
    explicit RecoveryFolder(const QString &dataFolder);
    // The lock goes, the copy stays: a program that ends without quitting
    // (destroyed by the session's end, say) leaves its text to the next.
    ~RecoveryFolder();
    RecoveryFolder(const RecoveryFolder &) = delete;
    RecoveryFolder &operator=(const RecoveryFolder &) = delete;

    QString folder() const { return m_folder; }
    // Takes this program's own name; false when the folder cannot be
    // written, and then no copy is kept.
    bool claimOwnPlace();
    bool hasOwnPlace() const { return m_ownLock != nullptr; }
    // Where this program keeps its copy; empty before claimOwnPlace().
    QString ownCopyPath() const;
    // The end of a clean run: this program's copy goes, then its lock.
    void releaseOwnPlace();

    // The copies left by programs no longer running, oldest first, each
    // now held by this program. Locks left without a copy are cleared away.
    std::vector<std::unique_ptr<LeftCopy>> claimLeftCopies();

    static constexpr char copySuffix[] = ".note";
    static constexpr char lockSuffix[] = ".lock";
    static constexpr char setAsideSuffix[] = ".unreadable";

private:
    QString m_folder;
    QString m_ownName;
    std::unique_ptr<QLockFile> m_ownLock;
};

// Replaces `path` with a copy's bytes (RecoveryCopy::format()) atomically,
// flushed to the disk before it takes the old one's place, so neither a
// kill nor a power cut leaves half a copy.
FileResult writeRecoveryCopy(const QString &path, const QByteArray &bytes);

} // namespace tabulo
