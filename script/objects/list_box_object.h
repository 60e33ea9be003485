#pragma once

#include "vbs/locale.h"
#include "vbs/object.h"

#include <QString>

#include <optional>
#include <vector>

namespace tabulo {

// "ListBox" and "ListBoxSort": scratch lists that answer to the members of a
// classic list box, so scripts written for one work unchanged:
//   AddItem item[, index]   RemoveItem index   Clear
//   ListCount   List(i) (read and write)   ListIndex   Text   NewIndex   Sorted
// Indices start at 0; List(i) past the end reads "". A sorted list keeps its
// items in ascending text order, ignoring case, an item added after equal
// ones standing after them; it ignores the index given to AddItem.
class ListBoxObject final : public vbs::Object
{
public:
    ListBoxObject(bool sorted, vbs::Locale locale);

    std::u16string typeName() const override { return u"ListBox"; }
    vbs::Value invoke(std::u16string_view name, vbs::Args args) override;
    void assign(std::u16string_view name, vbs::Args args, const vbs::Value &value, bool isSet) override;
    std::vector<vbs::Value> enumerate() override;

    // The items in the list's order.
    const std::vector<QString> &items();
    void addItem(const QString &item, std::optional<int> index = std::nullopt);

private:
    // Sorted lists take new items in a pending run and merge it when the
    // order is next needed: filling a list of 100,000 items then reading it
    // costs one sort, not 100,000 insertions.
    void settle();
    qsizetype count() const { return qsizetype(m_items.size() + m_pending.size()); }
    int newIndex();

    bool m_sorted;
    vbs::Locale m_locale;
    std::vector<QString> m_items;
    std::vector<QString> m_pending;
    int m_listIndex = -1;
    int m_newIndex = -1; // unsorted lists, and sorted ones once settled
    std::optional<QString> m_lastAdded; // sorted lists: found again after the merge
};

} // namespace tabulo
