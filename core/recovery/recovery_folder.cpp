#include "core/recovery/recovery_folder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QSaveFile>
#include <QSet>
#include <QUuid>

#include <algorithm>

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

namespace tabulo {

namespace {

// A lock counts as stale only when its program is gone, never for its age:
// a program left running for days still holds its copy.
std::unique_ptr<QLockFile> takeLock(const QString &path)
{
    auto lock = std::make_unique<QLockFile>(path);
    lock->setStaleLockTime(0);
    if (!lock->tryLock(0))
        return nullptr;
    return lock;
}

QString withoutSuffix(const QString &name)
{
    return name.left(name.lastIndexOf(QLatin1Char('.')));
}

} // namespace

// ---- a copy left behind

LeftCopy::LeftCopy(QString path, std::unique_ptr<QLockFile> lock)
    : m_path(std::move(path))
    , m_lock(std::move(lock))
{
}

LeftCopy::~LeftCopy()
{
    release();
}

void LeftCopy::release()
{
    if (m_lock)
        m_lock->unlock();
    m_lock.reset();
}

QDateTime LeftCopy::lastWritten() const
{
    return QFileInfo(m_path).lastModified();
}

std::optional<RecoveryCopy> LeftCopy::read() const
{
    const auto bytes = readFileBytes(m_path);
    return bytes ? RecoveryCopy::parse(*bytes) : std::nullopt;
}

bool LeftCopy::adoptAs(const QString &ownPath)
{
    if (QFile::exists(ownPath) || !QFile::rename(m_path, ownPath))
        return false;
    release();
    return true;
}

void LeftCopy::discard()
{
    QFile::remove(m_path);
    release();
}

QString LeftCopy::setAside()
{
    const QString aside = withoutSuffix(m_path) + QLatin1String(RecoveryFolder::setAsideSuffix);
    const QString kept = !QFile::exists(aside) && QFile::rename(m_path, aside) ? aside : m_path;
    release();
    return kept;
}

// ---- the folder

RecoveryFolder::RecoveryFolder(const QString &dataFolder)
    : m_folder(dataFolder + QStringLiteral("/Recovery"))
{
}

RecoveryFolder::~RecoveryFolder()
{
    if (m_ownLock)
        m_ownLock->unlock();
}

bool RecoveryFolder::claimOwnPlace()
{
    if (m_ownLock)
        return true;
    if (!QDir().mkpath(m_folder))
        return false;
    const QString name = QUuid::createUuid().toString(QUuid::WithoutBraces);
    m_ownLock = takeLock(m_folder + QLatin1Char('/') + name + QLatin1String(lockSuffix));
    if (!m_ownLock)
        return false;
    m_ownName = name;
    return true;
}

QString RecoveryFolder::ownCopyPath() const
{
    return m_ownLock ? m_folder + QLatin1Char('/') + m_ownName + QLatin1String(copySuffix) : QString();
}

void RecoveryFolder::releaseOwnPlace()
{
    if (!m_ownLock)
        return;
    QFile::remove(ownCopyPath());
    m_ownLock->unlock();
    m_ownLock.reset();
}

std::vector<std::unique_ptr<LeftCopy>> RecoveryFolder::claimLeftCopies()
{
    const QDir folder(m_folder);
    QSet<QString> names;
    for (const QString &file :
        folder.entryList({QLatin1Char('*') + QLatin1String(copySuffix), QLatin1Char('*') + QLatin1String(lockSuffix)},
            QDir::Files | QDir::Hidden))
        names.insert(withoutSuffix(file));
    names.remove(m_ownName);

    std::vector<std::unique_ptr<LeftCopy>> left;
    for (const QString &name : std::as_const(names)) {
        const QString base = m_folder + QLatin1Char('/') + name;
        auto lock = takeLock(base + QLatin1String(lockSuffix));
        if (!lock)
            continue; // its program is running
        if (!QFileInfo::exists(base + QLatin1String(copySuffix))) {
            lock->unlock(); // a program that ended before it had anything to keep
            continue;
        }
        left.push_back(std::make_unique<LeftCopy>(base + QLatin1String(copySuffix), std::move(lock)));
    }
    std::sort(left.begin(), left.end(), [](const auto &a, const auto &b) {
        const QDateTime first = a->lastWritten();
        const QDateTime second = b->lastWritten();
        return first != second ? first < second : a->path() < b->path();
    });
    return left;
}

// ---- writing

FileResult writeRecoveryCopy(const QString &path, const QByteArray &bytes)
{
    return writeBytesAtomically(path, bytes, true);
}

} // namespace tabulo
