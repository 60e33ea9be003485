#pragma once
// The builtins the language core needs itself: conversions, type information,
// arrays, Eval/Execute, CreateObject, MsgBox/InputBox, Rnd, and the constants.
#include "builtins.h"

namespace tabulo::vbs {

Library conversionLibrary();
Library typeInfoLibrary();
Library arrayLibrary();
Library interactionLibrary();
Library constantLibrary();

}  // namespace tabulo::vbs
