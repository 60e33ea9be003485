#pragma once

#include "script/objects/path_list_object.h"

namespace tabulo {

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

} // namespace tabulo
