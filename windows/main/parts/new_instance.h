#pragma once

#include "core/language/problem_texts.h"

#include <QString>

class QWidget;

namespace tabulo {

struct ProgramContext;

// The program file of a further copy: `Tabulo_Top` in the program folder,
// whichever variant is running.
QString newInstanceProgram(const QString &programFolder);

// "Nuova Istanza...": starts a further copy as a process of its own, with
// the same Data folder. The running copy goes on unchanged. A copy that
// cannot be started is reported, naming the program file, in the words of
// `text`.
void NuovaIstanzaX_Click(const ProgramContext &context, QWidget *parent, const LanguageTextLookup &text);

} // namespace tabulo
