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

// Splits a record at its commas, trims blanks around each field and removes
// the double quotes around a text (a quoted text may hold commas).
QStringList parseRecord(QStringView line);

// A field read as a number: plain decimal with "."; nothing when it is not one.
std::optional<double> toNumber(QStringView field);

} // namespace RecordFormat

} // namespace tabulo
