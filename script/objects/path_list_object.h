#pragma once

#include "vbs/object.h"

#include <QString>
#include <QStringList>

namespace tabulo {

// "VbDrive", "VbDir" and "VbFiles": the drive, folder and file lists of a
// classic form, for scripts that look around the disk. They only list names:
// nothing here opens, writes or deletes a file. Each keeps the list it read
// until its path, drive or pattern is set again or `Refresh` is called.
// Common members: ListCount, List(i) (from 0; past the end reads ""),
// ListIndex (-1 when nothing is chosen), Refresh.
class PathListObject : public vbs::Object
{
public:
    vbs::Value invoke(std::u16string_view name, vbs::Args args) override;
    void assign(std::u16string_view name, vbs::Args args, const vbs::Value &value, bool isSet) override;
    std::vector<vbs::Value> enumerate() override;

    const QStringList &entries() const { return m_entries; }

protected:
    // The list's own members; false when `name` is not one of them.
    virtual bool read(std::u16string_view name, vbs::Args args, vbs::Value &result) = 0;
    virtual bool write(std::u16string_view name, const vbs::Value &value) = 0;
    // Entries before index 0, for List(-1) and below ("" by default).
    virtual QString entryBefore(int index) const;
    virtual void refresh() = 0;
    void setEntries(QStringList entries);
    int listIndex() const { return m_listIndex; }
    virtual void listIndexChosen(int) { }
    // A script's text argument (a path, a pattern) as the lists read it, and
    // their order, ignoring case.
    static QString textArgument(const vbs::Value &value);
    static void sortIgnoringCase(QStringList &list);

private:
    QStringList m_entries;
    int m_listIndex = -1;
};

// A folder as the lists keep it: absolute and clean; nothing when it is not
// an existing folder.
QString existingFolder(const QString &path);

} // namespace tabulo
