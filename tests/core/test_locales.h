#pragma once

#include <QLocale>

namespace tabulo::test {

// The two kinds of locale every number test runs in: decimal comma with
// point grouping, and decimal point with comma grouping.
inline QLocale commaLocale()
{
    return QLocale(QLocale::Italian, QLocale::Italy);
}

inline QLocale dotLocale()
{
    return QLocale(QLocale::English, QLocale::UnitedStates);
}

} // namespace tabulo::test
