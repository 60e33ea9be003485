#pragma once

#include "vbs/locale.h"
#include "vbs/object.h"

#include <QString>

namespace tabulo {

// "Echo": the text a script writes, shown in the output window when the
// script ends. Scripts written for a text box read and assign `Text` (also
// the default member: `Echo = Echo & line & vbCrLf`); that, `Write` and
// `WriteLine` all append in place, so a script that writes a line for each of
// 100,000 lines stays quick.
class EchoObject final : public vbs::Object
{
public:
    explicit EchoObject(vbs::Locale locale);

    std::u16string typeName() const override { return u"TextBox"; }
    vbs::Value invoke(std::u16string_view name, vbs::Args args) override;
    void assign(std::u16string_view name, vbs::Args args, const vbs::Value &value, bool isSet) override;
    // `Echo.Text = Echo.Text & line`, the way scripts for a text box write, grows
    // the text in place as Write does.
    bool canAppendTo(std::u16string_view name) const override;
    void appendTo(std::u16string_view name, std::u16string_view more) override;

    QString text() const;
    void clear();
    // Where the first line too long to show begins, or -1. Lines written
    // with Write and WriteLine are refused as they grow; a text assigned
    // whole is looked at once, when the script is over.
    qsizetype firstLineTooLong() const;

    // Beyond this, or with a line longer than a note's, the script ends with
    // "Out of memory": the output window could not show it without freezing.
    static qsizetype maxLength();
    // The description of that error, which the output window replaces with
    // the user's language.
    static constexpr std::u16string_view lineTooLongDescription
        = u"Out of memory: a line of the output is longer than Tabulo can show";

private:
    void append(std::u16string_view more);

    vbs::Locale m_locale;
    // Kept as the script's own string: reading `Echo` hands the script the
    // same string rather than a copy, and appending grows it in place.
    vbs::Value m_text = vbs::Value::string(u"");
    // Lines longer than a note's are refused: the output box lays them out
    // in a time that grows with the square of their length.
    qsizetype m_lastLineLength = 0;
    bool m_assigned = false; // assigned whole since the last clear
};

} // namespace tabulo
