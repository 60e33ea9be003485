#pragma once
// The builtins the language core needs itself: conversions, type information,
// arrays, Eval/Execute, CreateObject, MsgBox/InputBox, and the constants.
#include "vbs/builtins.h"

namespace tabulo::vbs {

Library coreConversionLibrary();
Library coreTypeInfoLibrary();
Library coreArrayLibrary();
Library coreInteractionLibrary();
Library coreConstantLibrary();

} // namespace tabulo::vbs
