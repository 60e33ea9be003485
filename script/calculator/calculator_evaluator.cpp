#include "script/calculator/calculator_evaluator.h"

#include "script/objects/script_locale.h"

#include "vbs/convert.h"
#include "vbs/error.h"

namespace tabulo {

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
    // The result is written as a script writes a value into the output
    // window's "Echo": Empty writes nothing (a half-typed name such as "Sq"
    // is Empty), Null and arrays stop the script. None of them is a result,
    // so the field keeps the last one, as for an incomplete expression.
    if (value.isEmpty())
        return std::nullopt;
    try {
        return QString::fromStdU16String(vbs::toString(value, m_engine.locale()));
    } catch (const vbs::ScriptException &) {
        return std::nullopt;
    }
}

} // namespace tabulo
