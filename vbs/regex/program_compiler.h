// Turns a parsed pattern into the matcher's instructions.
#pragma once

#include "vbs/regex/pattern_parser.h"
#include "vbs/regex/program.h"
#include "vbs/regex/regex.h"

namespace tabulo::vbs::regex {

Program compileProgram(const ParsedPattern &parsed, Flags flags);

// Fills the program's search shortcuts (first units, literal prefix, anchors).
void findSearchShortcuts(const PatternNode &root, Flags flags, Program &program);

} // namespace tabulo::vbs::regex
