#include "core/recovery/recovery_writer.h"

#include "core/recovery/recovery_folder.h"

#include <QFile>

namespace tabulo {

RecoveryWriter::RecoveryWriter(QString path)
    : m_path(std::move(path))
{
}

void RecoveryWriter::write(RecoveryCopy copy)
{
    m_worker.ask([this, copy = std::optional(std::move(copy))]() mutable { m_lastResult = carryOut(std::move(copy)); });
}

void RecoveryWriter::remove()
{
    m_worker.ask([this] { m_lastResult = carryOut(std::nullopt); });
}

FileResult RecoveryWriter::finish()
{
    m_worker.finish();
    return m_lastResult;
}

FileResult RecoveryWriter::carryOut(std::optional<RecoveryCopy> copy) const
{
    if (!copy) {
        QFile file(m_path);
        if (file.exists() && !file.remove())
            return FileResult::writeFailure(m_path, file.error(), file.errorString());
        return FileResult::success();
    }
    const QByteArray bytes = copy->format();
    // The note's text is let go before the slow part, the disk: a key typed
    // meanwhile then changes the note without copying it first.
    copy.reset();
    return writeRecoveryCopy(m_path, bytes);
}

} // namespace tabulo
