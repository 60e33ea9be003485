#include "script/run/run_file.h"

namespace tabulo {

QString runFilePath(const QString &dataFolder)
{
    return dataFolder + QStringLiteral("/TabuloScript.tmp");
}

QString runFileContents(const QString &scriptBuffer)
{
    return scriptBuffer + QStringLiteral("\r\n");
}

QString scriptFromRunFile(QStringView fileText)
{
    QString script;
    script.reserve(fileText.size());
    qsizetype lineStart = 0;
    const qsizetype size = fileText.size();
    auto takeLine = [&](qsizetype end) {
        if (end > lineStart) {
            script += fileText.mid(lineStart, end - lineStart);
            script += QStringLiteral("\r\n");
        }
    };
    for (qsizetype i = 0; i < size; ++i) {
        const QChar c = fileText[i];
        if (c != u'\r' && c != u'\n')
            continue;
        takeLine(i);
        if (c == u'\r' && i + 1 < size && fileText[i + 1] == u'\n')
            ++i;
        lineStart = i + 1;
    }
    takeLine(size);
    return script;
}

} // namespace tabulo
