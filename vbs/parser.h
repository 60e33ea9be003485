#pragma once
// Script text to syntax tree. Syntax errors come out as a ScriptException carrying
// the error number (1002 Syntax error, 1025 Expected end of statement, ...) and the
// line and column where the parser stopped.
#include <memory>
#include <string_view>

#include "vbs/ast.h"

namespace tabulo::vbs {

std::unique_ptr<Program> parseProgram(std::u16string_view source);
// A single expression, for Eval: anything after it is a syntax error.
ExprPtr parseExpression(std::u16string_view source);

} // namespace tabulo::vbs
