#pragma once

#include <QLocale>
#include <QString>
#include <QStringList>

namespace tabulo {

class Prompts;
class Desktop;

// The two builds of the main program differ only in where the first total
// stands: in a band at the bottom beside the second total, or in a band of
// its own at the top.
enum class LayoutVariant { TotalsAtBottom, TotalAtTop };

// Everything the main window needs from outside, passed in rather than
// reached globally, so tests can give it a temporary program folder, a
// locale and scripted services.
struct ProgramContext
{
    QString programFolder;
    LayoutVariant variant = LayoutVariant::TotalsAtBottom;
    QStringList arguments; // the command line after the program name
    QLocale locale;
    Prompts *prompts = nullptr;
    Desktop *desktop = nullptr;

    QString dataFolder() const { return programFolder + QStringLiteral("/Data"); }
    // `name` as the program has always spelled it, such as "Bar.ini".
    QString dataFile(const QString &name) const { return dataFolder() + QLatin1Char('/') + name; }
};

} // namespace tabulo
