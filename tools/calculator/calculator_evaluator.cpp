#include "calculator_evaluator.h"

#include "script_locale.h"

#include "vbs/convert.h"
#include "vbs/error.h"

namespace tabulo {

ScriptTextBox::ScriptTextBox(std::u16string typeName, std::function<QString()> read,
                             std::function<void(const QString &)> write)
    : m_typeName(std::move(typeName)), m_read(std::move(read)), m_write(std::move(write))
{
}

namespace {

bool isTextMember(std::u16string_view name)
{
    return name.empty() || vbs::sameName(name, u"Text") || vbs::sameName(name, u"Caption");
}

} // namespace

vbs::Value ScriptTextBox::invoke(std::u16string_view name, vbs::Args args)
{
    if (!isTextMember(name))
        vbs::raise(vbs::err::NoSuchMember);
    if (!args.empty())
        vbs::raise(vbs::err::WrongArgumentCount);
    return vbs::Value::string(m_read ? m_read().toStdU16String() : std::u16string());
}

void ScriptTextBox::assign(std::u16string_view name, vbs::Args args, const vbs::Value &value, bool isSet)
{
    if (!isTextMember(name) || isSet)
        vbs::raise(vbs::err::NoSuchMember);
    if (!args.empty())
        vbs::raise(vbs::err::WrongArgumentCount);
    if (m_write)
        m_write(QString::fromStdU16String(vbs::toString(value, vbs::Locale::english())));
}

QString calculatorInput(QString typed)
{
    return typed.replace(QLatin1Char(','), QLatin1Char('.'));
}

CalculatorEvaluator::CalculatorEvaluator(const QLocale &locale, const Objects &objects)
    : m_engine(scriptLocale(locale))
{
    if (objects.form)
        m_engine.AddObject(u"Form", objects.form);
    if (objects.text1)
        m_engine.AddObject(u"Text1", objects.text1);
    if (objects.totX)
        m_engine.AddObject(u"TotX", objects.totX);
    m_engine.SetTimeout(timeLimitMilliseconds);
}

std::optional<QString> CalculatorEvaluator::evaluate(const QString &input)
{
    if (input.trimmed().isEmpty())
        return QStringLiteral("0");
    if (input.size() > maxInputLength)
        return std::nullopt;
    vbs::Value value;
    if (!m_engine.Eval(input.toStdU16String(), value))
        return std::nullopt;
    return QString::fromStdU16String(m_engine.ToText(value));
}

} // namespace tabulo
