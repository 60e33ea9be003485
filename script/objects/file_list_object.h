#pragma once

#include "script/objects/path_list_object.h"

namespace tabulo {

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

} // namespace tabulo
