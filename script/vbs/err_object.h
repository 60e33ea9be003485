#pragma once
// The Err object: the last run-time error under On Error Resume Next, and Err.Raise.
#include <string>

#include "error.h"
#include "object.h"

namespace tabulo::vbs {

class ErrObject final : public Object
{
public:
    std::u16string typeName() const override { return u"ErrObject"; }
    Value invoke(std::u16string_view name, Args args) override;
    void assign(std::u16string_view name, Args args, const Value &value, bool isSet) override;

    void set(const ScriptError &error);
    void clear();
    int number() const { return number_; }

private:
    int number_ = 0;
    std::u16string description_;
    std::u16string source_;
    std::u16string helpFile_;
    int helpContext_ = 0;
};

} // namespace tabulo::vbs
