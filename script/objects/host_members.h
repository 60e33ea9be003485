#pragma once
// Small rules shared by the objects the program hands to scripts: how a member
// checks its arguments and reads an index, and the errors a list or a path
// raises, with the numbers and words scripts written for list boxes expect.
#include "vbs/convert.h"
#include "vbs/error.h"
#include "vbs/value.h"

#include <QString>

namespace tabulo::host {

inline void expectArgumentCount(vbs::Args args, std::size_t count)
{
    if (args.size() != count)
        vbs::raise(vbs::err::WrongArgumentCount);
}

// An index or a count as a script passes it: any number, rounded as the
// language rounds.
inline int integerArgument(const vbs::Value &value)
{
    return vbs::toLong(value, vbs::Locale::english());
}

inline vbs::Value text(const QString &s)
{
    return vbs::Value::string(s.toStdU16String());
}

inline QString textOf(const vbs::Value &value, const vbs::Locale &locale)
{
    return QString::fromStdU16String(vbs::toString(value, locale));
}

[[noreturn]] inline void invalidPropertyValue()
{
    vbs::raise(380, u"Invalid property value");
}

[[noreturn]] inline void invalidIndex()
{
    vbs::raise(381, u"Invalid property array index");
}

[[noreturn]] inline void pathNotFound()
{
    vbs::raise(76, u"Path not found");
}

[[noreturn]] inline void deviceUnavailable()
{
    vbs::raise(68, u"Device unavailable");
}

} // namespace tabulo::host
