#pragma once
// The user's regional settings as the C library knows them (LC_ALL, LC_NUMERIC,
// LC_TIME, LANG), turned into the interpreter's Locale.
#include "vbs/locale.h"

namespace tabulo::vbs {

Locale systemLocale();

} // namespace tabulo::vbs
