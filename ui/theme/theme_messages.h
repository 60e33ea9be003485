#pragma once

#include "core/files/text_file.h"
#include "core/language/problem_texts.h"

#include <QString>

namespace tabulo::theme_messages {

// What the theme commands tell the user when a file or folder fails them,
// in the user's language. The prompts of "Crea Tema..." come from the
// language texts directly.

QString noUsableName(const LanguageTextLookup &text, const QString &typed);
QString folderMissing(const LanguageTextLookup &text, const QString &folder);
QString themeNotCreated(const LanguageTextLookup &text);
QString templateUnreadable(const LanguageTextLookup &text, const QString &file, const FileResult &why);
QString themeNotWritten(const LanguageTextLookup &text, const QString &file, const FileResult &why);
QString choiceNotRemembered(const LanguageTextLookup &text, const QString &file, const FileResult &why);
QString folderNotOpened(const LanguageTextLookup &text, const QString &folder);
QString editorNotOpened(const LanguageTextLookup &text, const QString &file);

} // namespace tabulo::theme_messages
