#include "vbs/engine.h"

#include "vbs/convert.h"
#include "vbs/interpreter.h"

namespace tabulo::vbs {

Engine::Engine(Locale locale)
    : m_interpreter(std::make_unique<Interpreter>(std::move(locale)))
{
}
Engine::~Engine() = default;

void Engine::Reset()
{
    m_interpreter->reset();
}

void Engine::AddObject(std::u16string_view name, std::shared_ptr<Object> object)
{
    m_interpreter->addObject(name, std::move(object));
}

void Engine::SetTimeout(int milliseconds)
{
    m_interpreter->setTimeout(milliseconds);
}
int Engine::Timeout() const
{
    return m_interpreter->timeout();
}

Result Engine::AddCode(std::u16string_view code)
{
    return m_interpreter->addCode(code);
}
Result Engine::AddCodeUtf8(std::string_view code)
{
    return m_interpreter->addCode(fromUtf8(code));
}
Result Engine::Eval(std::u16string_view expression, Value &out)
{
    return m_interpreter->evalExpression(expression, out);
}

void Engine::SetInterruptCheck(std::function<bool()> check, int intervalMs)
{
    m_interpreter->setInterruptCheck(std::move(check), intervalMs);
}

void Engine::SetUiCallbacks(UiCallbacks callbacks)
{
    m_interpreter->setUi(std::move(callbacks));
}
void Engine::SetLocale(Locale locale)
{
    m_interpreter->setLocale(std::move(locale));
}
const Locale &Engine::locale() const
{
    return m_interpreter->locale();
}

std::u16string Engine::ToText(const Value &value) const
{
    try {
        if (value.isNull())
            return u"Null";
        if (value.isArray())
            return {};
        return toString(value, m_interpreter->locale());
    } catch (const ScriptException &) {
        return {};
    }
}

} // namespace tabulo::vbs
