#include "vbs/err_object.h"

#include "vbs/convert.h"

namespace tabulo::vbs {

namespace {
// Err lives outside any locale-specific context: its numbers are plain integers.
const Locale &neutral()
{
    static const Locale english = Locale::english();
    return english;
}
} // namespace

void ErrObject::set(const ScriptError &error)
{
    m_number = error.number;
    m_description = error.description;
    m_source = error.source;
    m_helpFile.clear();
    m_helpContext = 0;
}

void ErrObject::clear()
{
    m_number = 0;
    m_description.clear();
    m_source.clear();
    m_helpFile.clear();
    m_helpContext = 0;
}

Value ErrObject::invoke(std::u16string_view name, Args args)
{
    if (name.empty() || sameName(name, u"Number")) {
        if (!args.empty())
            raise(err::WrongArgumentCount);
        return Value::longValue(m_number);
    }
    if (sameName(name, u"Description"))
        return Value::string(m_description);
    if (sameName(name, u"Source"))
        return Value::string(m_source);
    if (sameName(name, u"HelpFile"))
        return Value::string(m_helpFile);
    if (sameName(name, u"HelpContext"))
        return Value::longValue(m_helpContext);
    if (sameName(name, u"Clear")) {
        if (!args.empty())
            raise(err::WrongArgumentCount);
        clear();
        return Value();
    }
    if (sameName(name, u"Raise")) {
        // Err.Raise number, [source], [description], [helpfile], [helpcontext]
        if (args.empty() || args.size() > 5)
            raise(err::WrongArgumentCount);
        if (args[0].isMissing())
            raise(err::ArgumentNotOptional);
        ScriptError e;
        e.number = toLong(args[0], neutral());
        if (e.number == 0)
            raise(err::InvalidCall);
        e.source = args.size() > 1 && !args[1].isMissing() ? toString(args[1], neutral())
                                                           : std::u16string(u"Microsoft VBScript runtime error");
        if (args.size() > 2 && !args[2].isMissing()) {
            e.description = toString(args[2], neutral());
        } else {
            std::u16string_view standard = errorDescription(e.number);
            e.description = standard.empty() ? u"Unknown runtime error" : std::u16string(standard);
        }
        ScriptException ex(std::move(e));
        ex.error().line = 0;
        throw ex;
    }
    raise(err::NoSuchMember);
}

void ErrObject::assign(std::u16string_view name, Args args, const Value &value, bool isSet)
{
    if (isSet || !args.empty())
        raise(err::NoSuchMember);
    if (name.empty() || sameName(name, u"Number")) {
        m_number = toLong(value, neutral());
        // A number with a standard text gets that text, as the language does.
        if (m_description.empty())
            m_description = std::u16string(errorDescription(m_number));
    } else if (sameName(name, u"Description")) {
        m_description = toString(value, neutral());
    } else if (sameName(name, u"Source")) {
        m_source = toString(value, neutral());
    } else if (sameName(name, u"HelpFile")) {
        m_helpFile = toString(value, neutral());
    } else if (sameName(name, u"HelpContext")) {
        m_helpContext = toLong(value, neutral());
    } else {
        raise(err::NoSuchMember);
    }
}

} // namespace tabulo::vbs
