#include "vbs/lib/regexp_matches.h"

namespace tabulo::vbs {
namespace {

void expectArguments(Args args, std::size_t count)
{
    if (args.size() != count)
        raise(err::WrongArgumentCount);
}

// A 0-based index into a collection of `size` elements; others raise 5.
std::size_t indexArgument(const Value &index, std::size_t size)
{
    std::int32_t i = toLong(index, Locale::english());
    if (i < 0 || std::size_t(i) >= size)
        raise(err::InvalidCall);
    return std::size_t(i);
}

} // namespace

Value MatchCollection::matchAt(const Value &index) const
{
    std::size_t i = indexArgument(index, m_results->matches.size());
    return Value::object(std::make_shared<MatchObject>(m_results, i));
}

Value MatchCollection::invoke(std::u16string_view name, Args args)
{
    if (name.empty() || sameName(name, u"Item")) {
        expectArguments(args, 1);
        return matchAt(args[0]);
    }
    if (sameName(name, u"Count")) {
        expectArguments(args, 0);
        return Value::longValue(std::int32_t(m_results->matches.size()));
    }
    raise(err::NoSuchMember);
}

std::vector<Value> MatchCollection::enumerate()
{
    std::vector<Value> out;
    out.reserve(m_results->matches.size());
    for (std::size_t i = 0; i < m_results->matches.size(); ++i)
        out.push_back(Value::object(std::make_shared<MatchObject>(m_results, i)));
    return out;
}

Value MatchObject::invoke(std::u16string_view name, Args args)
{
    if (sameName(name, u"SubMatches")) {
        auto groups = std::make_shared<SubMatches>(m_results, m_index);
        // m.SubMatches(0) reads the collection's default member, Item.
        if (!args.empty())
            return groups->invoke(u"", args);
        return Value::object(std::move(groups));
    }
    expectArguments(args, 0);
    if (name.empty() || sameName(name, u"Value"))
        return Value::string(std::u16string_view(m_results->subject).substr(match().start, match().length));
    if (sameName(name, u"FirstIndex"))
        return Value::longValue(std::int32_t(match().start));
    if (sameName(name, u"Length"))
        return Value::longValue(std::int32_t(match().length));
    raise(err::NoSuchMember);
}

Value SubMatches::group(std::size_t i) const
{
    const std::optional<regex::Span> &span = m_results->matches[m_index].groups[i];
    if (!span)
        return Value();
    return Value::string(std::u16string_view(m_results->subject).substr(span->first, span->second));
}

Value SubMatches::invoke(std::u16string_view name, Args args)
{
    const std::size_t count = m_results->matches[m_index].groups.size();
    if (name.empty() || sameName(name, u"Item")) {
        expectArguments(args, 1);
        return group(indexArgument(args[0], count));
    }
    if (sameName(name, u"Count")) {
        expectArguments(args, 0);
        return Value::longValue(std::int32_t(count));
    }
    raise(err::NoSuchMember);
}

std::vector<Value> SubMatches::enumerate()
{
    std::vector<Value> out;
    for (std::size_t i = 0; i < m_results->matches[m_index].groups.size(); ++i)
        out.push_back(group(i));
    return out;
}

} // namespace tabulo::vbs
