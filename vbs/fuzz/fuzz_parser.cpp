// libFuzzer entry for the lexer and parser alone: any bytes as script text (UTF-8, and
// the same bytes read as UTF-16 code units), parsed and thrown away.
#include <cstddef>
#include <cstdint>
#include <string>

#include "vbs/error.h"
#include "vbs/parser.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    using namespace tabulo::vbs;
    std::u16string wide;
    for (std::size_t i = 0; i + 1 < size; i += 2)
        wide += char16_t(data[i] | (data[i + 1] << 8));
    for (const std::u16string &text : {fromUtf8(std::string_view(reinterpret_cast<const char *>(data), size)), wide}) {
        try {
            parseProgram(text);
        } catch (const ScriptException &) {
        }
        try {
            parseExpression(text);
        } catch (const ScriptException &) {
        }
    }
    return 0;
}
