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
    virtual void listIndexChosen(int) {}

private:
    QStringList m_entries;
    int m_listIndex = -1;
};

// The drives: "/" and every other mounted volume, by path. `Drive` (the
// default member) is the chosen one; choosing a volume that is not mounted
// raises "Device unavailable".
class DriveListObject final : public PathListObject
{
public:
    DriveListObject();
    std::u16string typeName() const override { return u"DriveListBox"; }
    const QString &drive() const { return m_drive; }

protected:
    bool read(std::u16string_view name, vbs::Args args, vbs::Value &result) override;
    bool write(std::u16string_view name, const vbs::Value &value) override;
    void refresh() override;
    void listIndexChosen(int index) override;

private:
    QString m_drive = QStringLiteral("/");
};

// The subfolders of `Path` (the default member), as full paths, sorted
// ignoring case, hidden ones left out. List(-1) is the path itself, List(-2)
// its parent, and so on up to "/". A path that is not a folder raises "Path
// not found".
class DirListObject final : public PathListObject
{
public:
    explicit DirListObject(const QString &startPath);
    std::u16string typeName() const override { return u"DirListBox"; }
    const QString &path() const { return m_path; }

protected:
    bool read(std::u16string_view name, vbs::Args args, vbs::Value &result) override;
    bool write(std::u16string_view name, const vbs::Value &value) override;
    QString entryBefore(int index) const override;
    void refresh() override;

private:
    QString m_path;
};

// The files of `Path` whose names match `Pattern` (wildcards, several
// separated by ";", ignoring case; "*.*" is every file, as on the system
// the scripts come from), sorted ignoring case, hidden ones left out.
// `FileName` (the default member) is the chosen file's name; setting it to
// a wildcard pattern sets `Pattern` instead, as a file list box does.
class FileListObject final : public PathListObject
{
public:
    explicit FileListObject(const QString &startPath);
    std::u16string typeName() const override { return u"FileListBox"; }
    const QString &path() const { return m_path; }

protected:
    bool read(std::u16string_view name, vbs::Args args, vbs::Value &result) override;
    bool write(std::u16string_view name, const vbs::Value &value) override;
    void refresh() override;

private:
    QString m_path;
    QString m_pattern = QStringLiteral("*.*");
};

// A folder as the lists keep it: absolute and clean; nothing when it is not
// an existing folder.
QString existingFolder(const QString &path);

} // namespace tabulo
