#pragma once
// Instances of classes written in script (Class ... End Class), and references to
// script procedures made by GetRef. Both reach back into the interpreter that made
// them, which may be gone by the time the host drops its last reference: they
// check the interpreter's alive flag first.
#include <memory>
#include <vector>

#include "vbs/ast.h"
#include "vbs/object.h"

namespace tabulo::vbs {

class Interpreter;

class ScriptObject final : public Object, public std::enable_shared_from_this<ScriptObject>
{
public:
    ScriptObject(Interpreter &interpreter, const ClassDecl &cls);
    ~ScriptObject() override;

    std::u16string typeName() const override { return m_className; }
    Value invoke(std::u16string_view name, Args args) override;
    void assign(std::u16string_view name, Args args, const Value &value, bool isSet) override;
    std::vector<Value> enumerate() override;

    const ClassDecl &cls() const { return m_cls; }
    std::vector<Value> &fields() { return m_fields; }
    bool terminating() const { return m_terminating; }

private:
    Interpreter &m_interpreter;
    std::shared_ptr<bool> m_interpreterAlive;
    const ClassDecl &m_cls;
    std::u16string m_className; // kept apart: the class text may go with a Reset
    std::vector<Value> m_fields;
    bool m_terminating = false;
};

// What GetRef("Name") gives: calling its default member calls the procedure.
class ProcedureReference final : public Object
{
public:
    ProcedureReference(Interpreter &interpreter, const Procedure &procedure);
    std::u16string typeName() const override { return u"Object"; }
    Value invoke(std::u16string_view name, Args args) override;

private:
    Interpreter &m_interpreter;
    std::shared_ptr<bool> m_interpreterAlive;
    const Procedure &m_procedure;
};

} // namespace tabulo::vbs
