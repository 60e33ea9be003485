#pragma once
// What RegExp.Execute returns: a Matches collection of Match objects, each with its
// SubMatches. The collection keeps the subject and the match positions only; Match
// objects are made when a script asks for one, so a search with a million matches
// costs a million positions, not a million objects.
#include <memory>
#include <string>
#include <vector>

#include "vbs/builtins.h"
#include "vbs/regex/regex.h"

namespace tabulo::vbs {

struct MatchResults
{
    std::u16string subject;
    std::vector<regex::Match> matches;
};

class MatchCollection : public Object
{
public:
    explicit MatchCollection(std::shared_ptr<const MatchResults> results)
        : m_results(std::move(results))
    {
    }
    std::u16string typeName() const override { return u"IMatchCollection2"; }
    Value invoke(std::u16string_view name, Args args) override;
    std::vector<Value> enumerate() override;

private:
    Value matchAt(const Value &index) const;
    std::shared_ptr<const MatchResults> m_results;
};

class MatchObject : public Object
{
public:
    MatchObject(std::shared_ptr<const MatchResults> results, std::size_t index)
        : m_results(std::move(results))
        , m_index(index)
    {
    }
    std::u16string typeName() const override { return u"IMatch2"; }
    Value invoke(std::u16string_view name, Args args) override;

private:
    const regex::Match &match() const { return m_results->matches[m_index]; }
    std::shared_ptr<const MatchResults> m_results;
    std::size_t m_index;
};

class SubMatches : public Object
{
public:
    SubMatches(std::shared_ptr<const MatchResults> results, std::size_t index)
        : m_results(std::move(results))
        , m_index(index)
    {
    }
    std::u16string typeName() const override { return u"ISubMatches"; }
    Value invoke(std::u16string_view name, Args args) override;
    std::vector<Value> enumerate() override;

private:
    // Group i + 1's text, or Empty when it took no part in the match.
    Value group(std::size_t i) const;
    std::shared_ptr<const MatchResults> m_results;
    std::size_t m_index;
};

} // namespace tabulo::vbs
