#pragma once
// Script files as they come: UTF-8 (with or without a byte-order mark), UTF-16 with a
// byte-order mark (Notepad's "Unicode"), or Windows-1252 from older Windows editors.
#include <string>
#include <string_view>

namespace tabulo::vbs {

std::u16string decodeScriptText(std::string_view bytes);

} // namespace tabulo::vbs
