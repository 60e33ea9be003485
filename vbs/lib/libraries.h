#pragma once
// The libraries of builtins that live in lib/ (strings, maths, dates, formatting,
// arrays, Scripting.Dictionary, RegExp). One entry per file in libraries.cpp.
#include <span>

#include "vbs/builtins.h"

namespace tabulo::vbs {

std::span<const Library> libLibraries();

// One per file of builtins.
Library stringLibrary(); // string_functions.cpp
Library stringSearchLibrary(); // string_search.cpp
Library characterLibrary(); // string_characters.cpp
Library escapeLibrary(); // string_escape.cpp
Library splitJoinLibrary(); // array_functions.cpp
Library mathLibrary(); // math_functions.cpp
Library numberLibrary(); // number_functions.cpp
Library dateLibrary(); // date_functions.cpp
Library dateConstructionLibrary(); // date_construction.cpp
Library dateArithmeticLibrary(); // date_arithmetic.cpp
Library formatLibrary(); // number_formatting.cpp
Library dictionaryLibrary(); // dictionary.cpp
Library regExpLibrary(); // regexp.cpp

} // namespace tabulo::vbs
