#pragma once

#include "vbs/locale.h"
#include "vbs/object.h"

#include <QString>

#include <functional>

namespace tabulo {

// A window's text box as a script sees it: `Name.Text`, or the name alone,
// reads and writes its text (`TotX = 5`). What a script assigns is shown as
// the language shows it in the given locale, so 2.5 reads "2,5" under Italian
// settings.
class ScriptTextBox final : public vbs::Object
{
public:
    ScriptTextBox(std::u16string typeName, std::function<QString()> read, std::function<void(const QString &)> write,
        vbs::Locale locale = vbs::Locale::english());
    std::u16string typeName() const override { return m_typeName; }
    vbs::Value invoke(std::u16string_view name, vbs::Args args) override;
    void assign(std::u16string_view name, vbs::Args args, const vbs::Value &value, bool isSet) override;

private:
    std::u16string m_typeName;
    std::function<QString()> m_read;
    std::function<void(const QString &)> m_write;
    vbs::Locale m_locale;
};

} // namespace tabulo
