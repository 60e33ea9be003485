#pragma once

#include "vbs/locale.h"

#include <QLocale>

namespace tabulo {

// The regional settings the interpreter uses to show numbers, money, dates
// and True/False, taken from a Qt locale (the user's), so a calculator under
// Italian settings shows 1,5 and "Vero".
vbs::Locale scriptLocale(const QLocale &locale);

} // namespace tabulo
