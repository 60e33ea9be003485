#pragma once
// The Err object: the last run-time error under On Error Resume Next, and Err.Raise.
#include <string>

#include "vbs/error.h"
#include "vbs/object.h"

namespace tabulo::vbs {

class ErrObject final : public Object
{
public:
    std::u16string typeName() const override { return u"ErrObject"; }
    Value invoke(std::u16string_view name, Args args) override;
    void assign(std::u16string_view name, Args args, const Value &value, bool isSet) override;

    void set(const ScriptError &error);
    void clear();
    int number() const { return m_number; }

private:
    int m_number = 0;
    std::u16string m_description;
    std::u16string m_source;
    std::u16string m_helpFile;
    int m_helpContext = 0;
};

} // namespace tabulo::vbs
