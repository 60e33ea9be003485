#include "engine.h"

#include "convert.h"
#include "interpreter.h"

namespace tabulo::vbs {

Engine::Engine(Locale locale)
    : interpreter_(std::make_unique<Interpreter>(std::move(locale)))
{
}
Engine::~Engine() = default;

void Engine::Reset()
{
    interpreter_->reset();
}

void Engine::AddObject(std::u16string_view name, std::shared_ptr<Object> object)
{
    interpreter_->addObject(name, std::move(object));
}

void Engine::SetTimeout(int milliseconds)
{
    interpreter_->setTimeout(milliseconds);
}
int Engine::Timeout() const
{
    return interpreter_->timeout();
}

Result Engine::AddCode(std::u16string_view code)
{
    return interpreter_->addCode(code);
}
Result Engine::AddCodeUtf8(std::string_view code)
{
    return interpreter_->addCode(fromUtf8(code));
}
Result Engine::Eval(std::u16string_view expression, Value &out)
{
    return interpreter_->evalExpression(expression, out);
}

void Engine::SetInterruptCheck(std::function<bool()> check, int intervalMs)
{
    interpreter_->setInterruptCheck(std::move(check), intervalMs);
}

void Engine::SetUiCallbacks(UiCallbacks callbacks)
{
    interpreter_->setUi(std::move(callbacks));
}
void Engine::SetLocale(Locale locale)
{
    interpreter_->setLocale(std::move(locale));
}
const Locale &Engine::locale() const
{
    return interpreter_->locale();
}

std::u16string Engine::ToText(const Value &value) const
{
    try {
        if (value.isNull())
            return u"Null";
        if (value.isArray())
            return {};
        return toString(value, interpreter_->locale());
    } catch (const ScriptException &) {
        return {};
    }
}

} // namespace tabulo::vbs
