#pragma once
// The RegExp object (`New RegExp`): Pattern, Global, IgnoreCase and Multiline, with
// Test, Execute and Replace, on the engine in vbs/regex.
#include <functional>
#include <optional>
#include <string>

#include "vbs/builtins.h"
#include "vbs/regex/regex.h"

namespace tabulo::vbs {

class RegExp : public Object
{
public:
    explicit RegExp(Runtime &runtime)
        : m_runtime(runtime)
    {
    }

    std::u16string typeName() const override { return u"IRegExp2"; }
    Value invoke(std::u16string_view name, Args args) override;
    void assign(std::u16string_view name, Args args, const Value &value, bool isSet) override;

private:
    // The pattern compiled with the current flags; compiled again after a change.
    // A pattern the engine rejects raises its error (5017 to 5021) here, when it is
    // used, as the language reports it.
    const regex::Regex &compiled();
    // Calls `onMatch` for the first match, or for every match when Global is set.
    void forEachMatch(std::u16string_view subject, const std::function<void(regex::Match &&)> &onMatch);
    bool test(std::u16string_view subject);
    Value execute(std::u16string subject);
    std::u16string replace(std::u16string_view subject, std::u16string_view replacement);

    Runtime &m_runtime;
    std::u16string m_pattern;
    bool m_global = false;
    bool m_ignoreCase = false;
    bool m_multiline = false;
    std::optional<regex::Regex> m_compiled;
};

} // namespace tabulo::vbs
