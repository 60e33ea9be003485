#include "script/objects/list_box_object.h"

#include "script/objects/host_members.h"

#include <algorithm>

namespace tabulo {

namespace {

bool textLess(const QString &a, const QString &b)
{
    return a.compare(b, Qt::CaseInsensitive) < 0;
}

enum class Member { Text, AddItem, RemoveItem, Clear, ListCount, List, ListIndex, NewIndex, Sorted };

Member memberOf(std::u16string_view name)
{
    static constexpr std::pair<std::u16string_view, Member> members[] = {
        {u"Text", Member::Text},
        {u"AddItem", Member::AddItem},
        {u"RemoveItem", Member::RemoveItem},
        {u"Clear", Member::Clear},
        {u"ListCount", Member::ListCount},
        {u"List", Member::List},
        {u"ListIndex", Member::ListIndex},
        {u"NewIndex", Member::NewIndex},
        {u"Sorted", Member::Sorted},
    };
    if (name.empty())
        return Member::Text;
    for (const auto &[memberName, member] : members)
        if (vbs::sameName(name, memberName))
            return member;
    vbs::raise(vbs::err::NoSuchMember);
}

} // namespace

ListBoxObject::ListBoxObject(bool sorted, vbs::Locale locale)
    : m_sorted(sorted)
    , m_locale(std::move(locale))
{
}

void ListBoxObject::settle()
{
    if (m_pending.empty())
        return;
    std::stable_sort(m_pending.begin(), m_pending.end(), textLess);
    const auto middle = m_items.insert(
        m_items.end(), std::make_move_iterator(m_pending.begin()), std::make_move_iterator(m_pending.end()));
    std::inplace_merge(m_items.begin(), middle, m_items.end(), textLess);
    m_pending.clear();
}

const std::vector<QString> &ListBoxObject::items()
{
    settle();
    return m_items;
}

int ListBoxObject::newIndex()
{
    if (m_sorted && m_lastAdded) {
        settle();
        // The last item added stands after every item equal to it.
        const auto after = std::upper_bound(m_items.begin(), m_items.end(), *m_lastAdded, textLess);
        m_newIndex = int(after - m_items.begin()) - 1;
        m_lastAdded.reset();
    }
    return m_newIndex;
}

void ListBoxObject::addItem(const QString &item, std::optional<int> index)
{
    if (count() >= qsizetype(vbs::kMaxArrayElements))
        vbs::raise(vbs::err::OutOfMemory);
    if (m_sorted) {
        m_pending.push_back(item);
        m_lastAdded = item;
        return;
    }
    const int at = index.value_or(int(m_items.size()));
    if (at < 0 || at > int(m_items.size()))
        vbs::raise(vbs::err::InvalidCall);
    m_items.insert(m_items.begin() + at, item);
    m_newIndex = at;
    if (m_listIndex >= at)
        ++m_listIndex;
}

vbs::Value ListBoxObject::invoke(std::u16string_view name, vbs::Args args)
{
    const Member member = memberOf(name);
    switch (member) {
    case Member::AddItem:
        if (args.empty() || args.size() > 2)
            vbs::raise(vbs::err::WrongArgumentCount);
        addItem(host::textOf(args[0], m_locale),
            args.size() == 2 ? std::optional<int>(host::integerArgument(args[1])) : std::nullopt);
        return {};
    case Member::RemoveItem: {
        host::expectArgumentCount(args, 1);
        const int index = host::integerArgument(args[0]);
        settle();
        if (index < 0 || index >= int(m_items.size()))
            vbs::raise(vbs::err::InvalidCall);
        m_items.erase(m_items.begin() + index);
        m_listIndex = m_listIndex == index ? -1 : (m_listIndex > index ? m_listIndex - 1 : m_listIndex);
        m_newIndex = -1;
        m_lastAdded.reset();
        return {};
    }
    case Member::Clear:
        host::expectArgumentCount(args, 0);
        m_items.clear();
        m_pending.clear();
        m_listIndex = m_newIndex = -1;
        m_lastAdded.reset();
        return {};
    case Member::List: {
        host::expectArgumentCount(args, 1);
        const int index = host::integerArgument(args[0]);
        if (index < 0)
            host::invalidIndex();
        settle();
        return host::text(index < int(m_items.size()) ? m_items[std::size_t(index)] : QString());
    }
    default:
        break;
    }
    host::expectArgumentCount(args, 0);
    switch (member) {
    case Member::Text:
        settle();
        return host::text(m_listIndex >= 0 ? m_items[std::size_t(m_listIndex)] : QString());
    case Member::ListCount:
        return vbs::Value::longValue(std::int32_t(count()));
    case Member::ListIndex:
        return vbs::Value::longValue(m_listIndex);
    case Member::NewIndex:
        return vbs::Value::longValue(newIndex());
    case Member::Sorted:
        return vbs::Value::boolean(m_sorted);
    default:
        return {};
    }
}

void ListBoxObject::assign(std::u16string_view name, vbs::Args args, const vbs::Value &value, bool isSet)
{
    const Member member = memberOf(name);
    if (isSet)
        vbs::raise(vbs::err::NoSuchMember);
    settle();
    switch (member) {
    case Member::List: {
        host::expectArgumentCount(args, 1);
        const int index = host::integerArgument(args[0]);
        if (index < 0 || index >= int(m_items.size()))
            host::invalidIndex();
        m_items[std::size_t(index)] = host::textOf(value, m_locale);
        return;
    }
    case Member::ListIndex: {
        host::expectArgumentCount(args, 0);
        const int index = host::integerArgument(value);
        if (index < -1 || index >= int(m_items.size()))
            host::invalidPropertyValue();
        m_listIndex = index;
        return;
    }
    case Member::Text: {
        // As in a list box: selects the first item with that text, if any.
        host::expectArgumentCount(args, 0);
        const QString wanted = host::textOf(value, m_locale);
        const auto found = std::find_if(m_items.begin(), m_items.end(),
            [&wanted](const QString &item) { return item.compare(wanted, Qt::CaseInsensitive) == 0; });
        m_listIndex = found == m_items.end() ? -1 : int(found - m_items.begin());
        return;
    }
    default:
        // ListCount, NewIndex and Sorted are read-only; the methods take no value.
        vbs::raise(vbs::err::IllegalAssignment);
    }
}

std::vector<vbs::Value> ListBoxObject::enumerate()
{
    settle();
    std::vector<vbs::Value> values;
    values.reserve(m_items.size());
    for (const QString &item : m_items)
        values.push_back(host::text(item));
    return values;
}

} // namespace tabulo
