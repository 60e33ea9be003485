#pragma once

#include <QList>
#include <QString>

namespace tabulo {

// The interpreter's errors in the user's language. The language file gives
// the description of error number N as key LanguageKeys::scriptErrorBase + N;
// these are the Italian ones shown when it gives none.

// The Italian description of an error number; empty for a number the
// interpreter never reports.
QString builtInScriptErrorText(int number);

// Every error number that has a description, ascending.
QList<int> scriptErrorNumbers();

} // namespace tabulo
