#pragma once

#include "core/files/text_file.h"

#include <QString>

#include <functional>

namespace tabulo {

// A window's way to its language texts: the current language's text of a
// key, the built-in one where the language file gives none.
using LanguageTextLookup = std::function<QString(int key)>;

// The words that say why a file operation failed, in the user's language,
// to stand in a message's "%2" ("Impossibile aprire la nota "%1": %2."):
// a phrase without a final full stop. Empty for a success.
QString fileProblemText(const FileResult &result, const LanguageTextLookup &text);
QString fileProblemText(FileProblem problem, const LanguageTextLookup &text, qint64 limit = 0);

} // namespace tabulo
