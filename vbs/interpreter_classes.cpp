// Class instances: creating them (Class_Initialize), ending them (Class_Terminate), their
// members seen from outside and inside, and ScriptObject, what scripts hold of them.
#include "vbs/err_object.h"
#include "vbs/interpreter.h"
#include "vbs/operators.h"
#include "vbs/script_object.h"

namespace tabulo::vbs {

const Procedure *Interpreter::readableMember(const ClassDecl &cls, const std::u16string &folded, bool fromInside) const
{
    const std::u16string &name = folded.empty() ? cls.defaultMember : folded;
    if (name.empty())
        return nullptr;
    if (const Procedure *m = cls.method(name))
        return (m->isPublic || fromInside) ? m : nullptr;
    if (const PropertySet *p = cls.property(name))
        if (p->get && (p->get->isPublic || fromInside))
            return p->get;
    return nullptr;
}

Value Interpreter::invokeMember(ScriptObject &self, std::u16string_view name, Args args, bool fromInside)
{
    const ClassDecl &cls = self.cls();
    std::u16string folded = foldName(name);
    if (folded.empty()) {
        if (cls.defaultMember.empty())
            raise(err::NoSuchMember);
        folded = cls.defaultMember;
    }
    if (const Procedure *p = readableMember(cls, folded, fromInside)) {
        if (p->params.empty() && !args.empty())
            return indexValue(callWithValues(*p, &self, {}), args);
        return callWithValues(*p, &self, args);
    }
    int field = cls.fieldIndex(folded);
    if (field >= 0 && (cls.fields[std::size_t(field)].isPublic || fromInside))
        return indexValue(self.fields()[std::size_t(field)], args);
    raise(err::NoSuchMember);
}

std::shared_ptr<ScriptObject> Interpreter::instantiate(const ClassDecl &cls)
{
    auto object = std::make_shared<ScriptObject>(*this, cls);
    Frame frame;
    for (std::size_t i = 0; i < cls.fields.size(); ++i) {
        const FieldDecl &f = cls.fields[i];
        if (!f.isArray)
            continue;
        Value array;
        if (f.bounds.empty()) {
            array = Value::array(std::vector<Value> {});
            array.mutableArray().dims.clear();
        } else {
            std::vector<std::int32_t> upper;
            for (const auto &b : f.bounds)
                upper.push_back(toLong(eval(*b, frame), m_locale));
            array = Value::array(std::span<const std::int32_t>(upper));
            array.mutableArray().fixedSize = true;
        }
        object->fields()[i] = std::move(array);
    }
    if (cls.initialize)
        callWithValues(*cls.initialize, object.get(), {});
    return object;
}

void Interpreter::runTerminate(ScriptObject &self)
{
    if (!self.cls().terminate || m_aborting)
        return;
    try {
        callWithValues(*self.cls().terminate, &self, {});
    } catch (const ScriptException &) {
        // An error in Class_Terminate has nowhere to go: the object is already gone
        // from the script's point of view.
    } catch (...) {
        // Nothing may leave a destructor; a host object's own exception included.
    }
}

// --- ScriptObject ----------------------------------------------------------------------

ScriptObject::ScriptObject(Interpreter &interpreter, const ClassDecl &cls)
    : m_interpreter(interpreter)
    , m_interpreterAlive(interpreter.alive())
    , m_cls(cls)
    , m_className(cls.name)
    , m_fields(cls.fields.size())
{
}

ScriptObject::~ScriptObject()
{
    if (*m_interpreterAlive && m_cls.terminate) {
        m_terminating = true;
        m_interpreter.runTerminate(*this);
    }
}

Value ScriptObject::invoke(std::u16string_view name, Args args)
{
    if (!*m_interpreterAlive)
        raise(err::ObjectRequired);
    return m_interpreter.invokeMember(*this, name, args, false);
}

void ScriptObject::assign(std::u16string_view name, Args args, const Value &value, bool isSet)
{
    if (!*m_interpreterAlive)
        raise(err::ObjectRequired);
    m_interpreter.assignMember(*this, name, args, value, isSet, false);
}

std::vector<Value> ScriptObject::enumerate()
{
    raise(err::NotACollection);
}

} // namespace tabulo::vbs
