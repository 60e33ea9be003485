#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

namespace tabulo::launcher {

enum class Variant { TotalsAtBottom, TotalAtTop };

// "Tabulo_Bt" or "Tabulo_Top", without the platform's executable suffix.
QString programName(Variant variant);

// The variant named by the start file the main programs write when they quit
// (one record holding "2" for the totals at the bottom, "1" for the total at
// the top). Only a first field of "2" chooses the totals at the bottom;
// everything else, a missing or unreadable file included, starts the total
// at the top: a launcher that starts nothing looks like a crash, and a first
// start after installing has no start file yet.
Variant variantFor(const std::optional<QByteArray> &startFileHead);

// The beginning of the start file, enough for its first record; nothing when
// the file cannot be read. A huge file is never read whole.
std::optional<QByteArray> readStartFileHead(const QString &path);

} // namespace tabulo::launcher
