#include "core/language/language_locales.h"

namespace tabulo {

namespace {

// "de_DE.UTF-8@euro" is German: the language is what stands before the
// territory, the code set and the modifier.
QString languagePart(const QString &localeName)
{
    qsizetype end = localeName.size();
    for (const QChar stop : {u'_', u'.', u'@', u'-'}) {
        const qsizetype at = localeName.indexOf(stop);
        if (at >= 0)
            end = std::min(end, at);
    }
    return localeName.first(end).toLower();
}

std::optional<QString> shippedNameFor(const QString &localeName)
{
    const QString code = languagePart(localeName.trimmed());
    for (const LanguageLocale &language : shippedLanguageLocales) {
        if (code == QLatin1String(language.code))
            return QString::fromUtf8(language.name);
    }
    return std::nullopt;
}

} // namespace

std::optional<QString> languageCodeOf(const QString &languageName)
{
    for (const LanguageLocale &language : shippedLanguageLocales) {
        if (languageName.compare(QString::fromUtf8(language.name), Qt::CaseInsensitive) == 0)
            return QString::fromLatin1(language.code);
    }
    return std::nullopt;
}

std::optional<QString> desktopLanguage(const std::function<QString(const char *name)> &environment)
{
    const QString messages = environment("LC_ALL").isEmpty()
        ? (environment("LC_MESSAGES").isEmpty() ? environment("LANG") : environment("LC_MESSAGES"))
        : environment("LC_ALL");
    // LANGUAGE is a list of preferences, and the C library ignores it
    // where the messages are the C locale's.
    const bool plain
        = messages.isEmpty() || messages == u"C" || messages == u"POSIX" || messages.startsWith(QLatin1String("C."));
    if (!plain) {
        for (const QString &wanted : environment("LANGUAGE").split(QLatin1Char(':'), Qt::SkipEmptyParts)) {
            if (const auto name = shippedNameFor(wanted))
                return name;
        }
    }
    return shippedNameFor(messages);
}

} // namespace tabulo
