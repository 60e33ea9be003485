#include "vbs/lib/regexp.h"

#include <memory>
#include <vector>

#include "vbs/lib/libraries.h"
#include "vbs/lib/library_support.h"
#include "vbs/lib/regexp_matches.h"

namespace tabulo::vbs {
namespace {

void expectArguments(Args args, std::size_t count)
{
    if (args.size() != count)
        raise(err::WrongArgumentCount);
}

// A search that used up the engine's step or memory budget (a pattern that backtracks
// exponentially, say) ends the script with an ordinary error 5 and a description that
// says what happened, instead of running on or answering "no match".
[[noreturn]] void raiseTooComplex()
{
    raise(err::InvalidCall, u"Regular expression too complex to search this text");
}

} // namespace

const regex::Regex &RegExp::compiled()
{
    if (!m_compiled) {
        auto result = regex::Regex::compile(m_pattern, {.ignoreCase = m_ignoreCase, .multiline = m_multiline});
        if (auto *error = std::get_if<regex::CompileError>(&result))
            raise(error->code);
        m_compiled = std::get<regex::Regex>(std::move(result));
    }
    return *m_compiled;
}

void RegExp::forEachMatch(std::u16string_view subject, const std::function<void(regex::Match &&)> &onMatch)
{
    const regex::Regex &re = compiled();
    std::size_t start = 0;
    while (start <= subject.size()) {
        m_runtime.checkTimeLimit();
        regex::SearchResult found = re.search(subject, start);
        if (found.limitExceeded)
            raiseTooComplex();
        if (!found.match)
            return;
        // After an empty match the next search starts one unit on, or it would find
        // the same empty match for ever.
        start = found.match->length == 0 ? found.match->end() + 1 : found.match->end();
        onMatch(std::move(*found.match));
        if (!m_global)
            return;
    }
}

bool RegExp::test(std::u16string_view subject)
{
    regex::SearchResult found = compiled().search(subject, 0);
    if (found.limitExceeded)
        raiseTooComplex();
    return found.match.has_value();
}

Value RegExp::execute(std::u16string subject)
{
    auto results = std::make_shared<MatchResults>();
    results->subject = std::move(subject);
    forEachMatch(results->subject, [&](regex::Match &&m) {
        if (results->matches.size() >= kMaxArrayElements)
            raise(err::OutOfMemory);
        results->matches.push_back(std::move(m));
    });
    return Value::object(std::make_shared<MatchCollection>(std::move(results)));
}

std::u16string RegExp::replace(std::u16string_view subject, std::u16string_view replacement)
{
    std::vector<regex::Match> matches;
    std::uint64_t matchedLength = 0;
    forEachMatch(subject, [&](regex::Match &&m) {
        matchedLength += m.length;
        matches.push_back(std::move(m));
    });
    // A plain replacement (no $ rules) gives a result of known size: one too large
    // fails before any memory is taken for it. Others are checked as they grow.
    if (replacement.find(u'$') == std::u16string_view::npos)
        requireStringLength(subject.size() - matchedLength + matches.size() * std::uint64_t(replacement.size()));
    std::u16string out;
    std::size_t copiedUpTo = 0;
    for (const regex::Match &m : matches) {
        std::u16string expanded = regex::expandReplacement(replacement, m, subject);
        requireStringLength(std::uint64_t(out.size()) + (m.start - copiedUpTo) + expanded.size());
        out.append(subject.substr(copiedUpTo, m.start - copiedUpTo));
        out += expanded;
        copiedUpTo = m.end();
    }
    requireStringLength(std::uint64_t(out.size()) + (subject.size() - copiedUpTo));
    out.append(subject.substr(copiedUpTo));
    return out;
}

Value RegExp::invoke(std::u16string_view name, Args args)
{
    const Locale &locale = m_runtime.locale();
    if (sameName(name, u"Test")) {
        expectArguments(args, 1);
        return Value::boolean(test(toString(args[0], locale)));
    }
    if (sameName(name, u"Execute")) {
        expectArguments(args, 1);
        return execute(toString(args[0], locale));
    }
    if (sameName(name, u"Replace")) {
        expectArguments(args, 2);
        std::u16string subject = toString(args[0], locale);
        return Value::string(replace(subject, toString(args[1], locale)));
    }
    expectArguments(args, 0);
    if (sameName(name, u"Pattern"))
        return Value::string(m_pattern);
    if (sameName(name, u"Global"))
        return Value::boolean(m_global);
    if (sameName(name, u"IgnoreCase"))
        return Value::boolean(m_ignoreCase);
    if (sameName(name, u"Multiline"))
        return Value::boolean(m_multiline);
    raise(err::NoSuchMember);
}

void RegExp::assign(std::u16string_view name, Args args, const Value &value, bool)
{
    expectArguments(args, 0);
    const Locale &locale = m_runtime.locale();
    if (sameName(name, u"Pattern")) {
        m_pattern = toString(value, locale);
    } else if (sameName(name, u"Global")) {
        m_global = toBool(value, locale);
        return; // Global does not change the compiled pattern
    } else if (sameName(name, u"IgnoreCase")) {
        m_ignoreCase = toBool(value, locale);
    } else if (sameName(name, u"Multiline")) {
        m_multiline = toBool(value, locale);
    } else {
        raise(err::NoSuchMember);
    }
    m_compiled.reset();
}

namespace {
std::shared_ptr<Object> makeRegExp(Runtime &runtime)
{
    return std::make_shared<RegExp>(runtime);
}
constexpr BuiltinClass kClasses[] = {{u"RegExp", makeRegExp}};
// CreateObject("VBScript.RegExp") is how most published scripts make one.
constexpr BuiltinClass kProgIds[] = {{u"VBScript.RegExp", makeRegExp}};
} // namespace

Library regExpLibrary()
{
    return {{}, {}, kClasses, kProgIds};
}

} // namespace tabulo::vbs
