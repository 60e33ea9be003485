#pragma once

#include "script/objects/script_text_box.h"
#include "vbs/engine.h"

#include <QLocale>
#include <QString>

#include <functional>
#include <memory>
#include <optional>

namespace tabulo {

// What the user types, as the calculator reads it: every "," is a decimal
// point, so "1,5*2" is one and a half times two.
QString calculatorInput(QString typed);

// The calculator's own interpreter. The input is read as one expression and
// never run as statements: a half-typed `1 : Do : Loop` must not run at each
// keystroke, and nothing the user types may change state.
class CalculatorEvaluator
{
public:
    struct Objects
    {
        std::shared_ptr<vbs::Object> form, text1, totX;
    };
    explicit CalculatorEvaluator(const QLocale &locale, const Objects &objects = {});

    // The result to show for `input`: "0" for an empty input, the value as
    // text when it is one complete expression, nothing when it is not or its
    // value has no text (Empty, Null, an array): the result then keeps the
    // last value shown.
    std::optional<QString> evaluate(const QString &input);

    // Expressions have no loops, but a builtin can still take long on a huge
    // argument: no keystroke may wait more than this.
    static constexpr int timeLimitMilliseconds = 1000;
    // Longer inputs are not one expression anyone types; the parser would
    // refuse them anyway, after spending time on them.
    static constexpr qsizetype maxInputLength = 20000;

private:
    vbs::Engine m_engine;
};

} // namespace tabulo
