#pragma once

#include "vbs/locale.h"
#include "vbs/object.h"

#include <QString>

namespace tabulo {

// "Echo": the text a script writes, shown in the output window when the
// script ends. Scripts written for a text box read and assign `Text` (also
// the default member: `Echo = Echo & line & vbCrLf`), which copies the whole
// output at every line; `Write` and `WriteLine` append in place, so a script
// that writes a line for each of 100,000 lines stays quick.
class EchoObject final : public vbs::Object
{
public:
    explicit EchoObject(vbs::Locale locale);

    std::u16string typeName() const override { return u"TextBox"; }
    vbs::Value invoke(std::u16string_view name, vbs::Args args) override;
    void assign(std::u16string_view name, vbs::Args args, const vbs::Value &value, bool isSet) override;

    const QString &text() const { return m_text; }
    void clear() { m_text.clear(); }

    // Beyond this the script ends with "Out of memory": the output window
    // could not show more without freezing.
    static qsizetype maxLength();

private:
    void append(const QString &more);

    vbs::Locale m_locale;
    QString m_text;
};

} // namespace tabulo
