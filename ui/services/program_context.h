#pragma once

#include <QLocale>
#include <QString>
#include <QStringList>

namespace tabulo {

class Prompts;
class Desktop;
class ToolkitTranslations;

// The two builds of the main program differ only in where the first total
// stands: in a band at the bottom beside the second total, or in a band of
// its own at the top.
enum class LayoutVariant { TotalsAtBottom, TotalAtTop };

// Everything the main window needs from outside, passed in rather than
// reached globally, so tests can give it a temporary program folder, a
// locale and scripted services.
struct ProgramContext
{
    QString programFolder; // where the programs are: the other variant and new instances start from here
    // Where the program writes what a copy run from its own folder keeps
    // beside the programs: the Data folder, the exported page "Output.htm" and
    // the projects folder "Db". An installed copy points it at the user's own
    // folder; empty means the program folder.
    QString writableFolder;
    LayoutVariant variant = LayoutVariant::TotalsAtBottom;
    QStringList arguments; // the command line after the program name
    QLocale locale;
    Prompts *prompts = nullptr;
    Desktop *desktop = nullptr;
    // The toolkit's own texts, to follow each change of language; none in
    // tests that leave them in English.
    ToolkitTranslations *toolkitTranslations = nullptr;

    QString storageFolder() const { return writableFolder.isEmpty() ? programFolder : writableFolder; }
    QString dataFolder() const { return storageFolder() + QStringLiteral("/Data"); }
    // `name` as the program has always spelled it, such as "Bar.ini".
    QString dataFile(const QString &name) const { return dataFolder() + QLatin1Char('/') + name; }
};

} // namespace tabulo
