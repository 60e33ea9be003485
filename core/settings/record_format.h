#pragma once

#include <QString>
#include <QStringList>
#include <QStringView>

#include <variant>

namespace tabulo {

// The comma-separated record format of the window placement file and the
// launcher start file: numbers in plain decimal with "." and no grouping
// (integral values without a point), texts inside double quotes, one record
// per line ended by CR LF.
namespace RecordFormat {

using Field = std::variant<double, QString>;

QString formatRecord(const QList<Field> &fields);

// A text as the one field of a record, quoted only where the reader would
// otherwise cut it at a comma, trim its blanks or take a quote away. A
// quoted field ends at the next double quote, so a text holding one cannot
// be quoted and is written as it is.
QString formatLoneText(const QString &text);

// Splits a record at its commas, trims blanks around each field and removes
// the double quotes around a text (a quoted text may hold commas).
QStringList parseRecord(QStringView line);

// A field read as a number: plain decimal with "."; nothing when it is not one.
std::optional<double> toNumber(QStringView field);

} // namespace RecordFormat

} // namespace tabulo
