#pragma once

#include <QString>

namespace tabulo::theme_messages {

// What the theme commands tell the user when a file or folder fails them.
// The prompts of "Crea Tema..." itself come from the language texts.

QString noUsableName(const QString &typed);
QString folderMissing(const QString &folder);
QString themeNotCreated();
QString templateUnreadable(const QString &file, const QString &reason);
QString themeNotWritten(const QString &file, const QString &reason);
QString choiceNotRemembered(const QString &file, const QString &reason);
QString folderNotOpened(const QString &folder);
QString editorNotOpened(const QString &file);

} // namespace tabulo::theme_messages
