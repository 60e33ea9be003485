#pragma once

#include <QString>
#include <QStringList>

#include <functional>

#include <optional>

namespace tabulo {

// The shipped languages and the locale each stands for: one table, read by
// the first start (which picks the desktop's language) and by the loader of
// the toolkit's own translations.
struct LanguageLocale
{
    const char *name; // the language name, as its file in the "Lang" folder gives it (UTF-8)
    const char *code; // ISO 639-1, as locale names begin: "it" in "it_IT.UTF-8"
};

inline constexpr LanguageLocale shippedLanguageLocales[] = {
    {"Italiano", "it"},
    {"English", "en"},
    {"Deutsch", "de"},
    {"Français", "fr"},
    {"Español", "es"},
};

// The language code of a language name (ignoring case); nothing for a
// language the program does not ship.
std::optional<QString> languageCodeOf(const QString &languageName);

// The shipped language the desktop asks for. `environment` gives a
// variable's value; LANGUAGE (a list such as "de:en"), LC_ALL, LC_MESSAGES
// and LANG are asked in that order, as the desktop's programs ask them. The
// first one that names a shipped language wins; "C" and "POSIX" name none.
std::optional<QString> desktopLanguage(const std::function<QString(const char *name)> &environment);

} // namespace tabulo
