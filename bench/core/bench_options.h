#pragma once

#include <QStringList>

namespace tabulo::bench {

// "--name value" from the command line as a number, or `fallback` when the
// option is absent or not a number.
inline double numberOption(const QStringList &arguments, const QString &name, double fallback)
{
    const qsizetype at = arguments.indexOf(name);
    if (at < 0 || at + 1 >= arguments.size())
        return fallback;
    bool ok = false;
    const double value = arguments.at(at + 1).toDouble(&ok);
    return ok ? value : fallback;
}

} // namespace tabulo::bench
