#include "companion_script.h"

namespace tabulo {

QString companionScriptPath(const QString &notePath)
{
    const qsizetype slash = notePath.lastIndexOf(u'/');
    const QString folder = notePath.left(slash + 1);
    QString name = notePath.sliced(slash + 1);
    const QString original = name;
    for (const char *spelling : {".TXT", ".Txt", ".tXt", ".txT", ".txt"})
        name.replace(QLatin1String(spelling), QLatin1String(".vb"), Qt::CaseSensitive);
    if (name == original)
        return {};
    return folder + name;
}

} // namespace tabulo
