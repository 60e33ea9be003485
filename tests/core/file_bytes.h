#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>

namespace tabulo::test {

// What a test reads from a file that is not there, so that a missing file
// shows in a comparison instead of looking like an empty one.
inline const QByteArray missingFile = "<missing>";

inline QByteArray readBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : missingFile;
}

inline bool writeBytes(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size();
}

} // namespace tabulo::test
