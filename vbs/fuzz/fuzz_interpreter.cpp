// libFuzzer entry: any bytes, read as UTF-8 script text, parsed and run with a short
// time limit. Whatever happens must come back as a Result, never a crash.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "vbs/engine.h"
#include "vbs/object.h"

namespace {

// A stand-in for the program's text boxes: default member is its text.
class Sink final : public tabulo::vbs::Object
{
public:
    std::u16string typeName() const override { return u"TextBox"; }
    tabulo::vbs::Value invoke(std::u16string_view, tabulo::vbs::Args) override
    {
        return tabulo::vbs::Value::string(m_text);
    }
    void assign(std::u16string_view, tabulo::vbs::Args, const tabulo::vbs::Value &v, bool) override
    {
        if (v.isString())
            m_text = v.rawString();
    }

private:
    std::u16string m_text;
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    tabulo::vbs::Engine engine;
    engine.SetTimeout(100);
    engine.AddObject(u"TotX", std::make_shared<Sink>());
    engine.AddObject(u"Echo", std::make_shared<Sink>());
    engine.AddCodeUtf8(std::string_view(reinterpret_cast<const char *>(data), size));
    // A second call on the same engine, as the calculator makes them.
    engine.AddCode(u"TotX = 1 + 2");
    return 0;
}
