#pragma once
// The libraries of builtins that live in lib/ (strings, maths, dates, formatting,
// arrays, Scripting.Dictionary, RegExp). One entry per file in libraries.cpp.
#include <span>

#include "../builtins.h"

namespace tabulo::vbs {

std::span<const Library> libLibraries();

}  // namespace tabulo::vbs
