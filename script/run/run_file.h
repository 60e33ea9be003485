#pragma once

#include <QString>
#include <QStringView>

namespace tabulo {

// The run file, "TabuloScript.tmp" in the Data folder: the script of the run
// command, written whole just before the output window opens and read by it.
QString runFilePath(const QString &dataFolder);

// What the run command writes: the script buffer (every line already ended
// by CR LF) and one more CR LF.
QString runFileContents(const QString &scriptBuffer);

// The script the output window runs: the run file's lines without the empty
// ones, each ended by CR LF. Lines of spaces stay. CR LF, a lone CR and a
// lone LF each end a line.
QString scriptFromRunFile(QStringView fileText);

} // namespace tabulo
