#pragma once

#include "script/objects/path_list_object.h"

namespace tabulo {

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

} // namespace tabulo
