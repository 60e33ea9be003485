#include "launcher/start_choice.h"

#include "core/settings/record_format.h"

#include <QFile>

namespace tabulo::launcher {

namespace {

// The start file is one short record; what lies beyond cannot change the
// choice.
constexpr qint64 headBytes = 4096;

} // namespace

QString programName(Variant variant)
{
    return variant == Variant::TotalsAtBottom ? QStringLiteral("Tabulo_Bt") : QStringLiteral("Tabulo_Top");
}

Variant variantFor(const std::optional<QByteArray> &startFileHead)
{
    if (!startFileHead)
        return Variant::TotalAtTop;
    QByteArrayView record(*startFileHead);
    const qsizetype lineEnd = record.indexOf('\n');
    if (lineEnd >= 0)
        record = record.first(lineEnd);
    if (const qsizetype cr = record.indexOf('\r'); cr >= 0)
        record = record.first(cr);
    if (record.startsWith("\xEF\xBB\xBF"))
        record = record.sliced(3); // a byte order mark left by a text editor
    const QStringList fields = RecordFormat::parseRecord(QString::fromLatin1(record));
    return fields.value(0) == QLatin1String("2") ? Variant::TotalsAtBottom : Variant::TotalAtTop;
}

std::optional<QByteArray> readStartFileHead(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QByteArray head = file.read(headBytes);
    if (file.error() != QFileDevice::NoError)
        return std::nullopt;
    return head;
}

} // namespace tabulo::launcher
