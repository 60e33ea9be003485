#include "ui/theme/theme_messages.h"

#include "core/language/language_keys.h"

#include <QDir>

namespace tabulo::theme_messages {

namespace {

QString shown(const QString &path)
{
    return QDir::toNativeSeparators(path);
}

} // namespace

QString noUsableName(const LanguageTextLookup &text, const QString &typed)
{
    return text(LanguageKeys::themeNoUsableName).arg(typed);
}

QString folderMissing(const LanguageTextLookup &text, const QString &folder)
{
    return text(LanguageKeys::themeFolderMissing).arg(shown(folder));
}

QString themeNotCreated(const LanguageTextLookup &text)
{
    return text(LanguageKeys::themeNotCreated);
}

QString templateUnreadable(const LanguageTextLookup &text, const QString &file, const FileResult &why)
{
    return text(LanguageKeys::themeTemplateUnreadable).arg(shown(file), fileProblemText(why, text));
}

QString themeNotWritten(const LanguageTextLookup &text, const QString &file, const FileResult &why)
{
    return text(LanguageKeys::themeNotWritten).arg(shown(file), fileProblemText(why, text));
}

QString choiceNotRemembered(const LanguageTextLookup &text, const QString &file, const FileResult &why)
{
    return text(LanguageKeys::themeChoiceNotRemembered).arg(shown(file), fileProblemText(why, text));
}

QString folderNotOpened(const LanguageTextLookup &text, const QString &folder)
{
    return text(LanguageKeys::themeFolderNotOpened).arg(shown(folder));
}

QString editorNotOpened(const LanguageTextLookup &text, const QString &file)
{
    return text(LanguageKeys::themeEditorNotOpened).arg(shown(file));
}

} // namespace tabulo::theme_messages
