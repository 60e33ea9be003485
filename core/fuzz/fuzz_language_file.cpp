// libFuzzer harness of the language files: any bytes as "Language.ini", the
// language's name taken from the first line of the input (as "Lang.ini"
// gives it). Every text read is one the windows can show: a single line,
// neither empty nor longer than the cap, and never holding "=".

#include "core/fuzz/fuzz_checks.h"
#include "core/language/language_file.h"
#include "core/language/language_keys.h"
#include "core/language/language_texts.h"

using namespace tabulo;
using tabulo::fuzz::require;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QString input = fuzz::fileTextOf(data, size);
    const qsizetype firstLineEnd = input.indexOf(QLatin1Char('\n'));
    const QString nameFile = firstLineEnd < 0 ? input : input.first(firstLineEnd);
    const QString name = lastNonEmptyLine(nameFile);
    require(!fuzz::hasLineEnd(name), "a language name is one line");

    const QHash<int, QString> texts = parseLanguageTexts(input, name);
    for (auto it = texts.cbegin(); it != texts.cend(); ++it) {
        require(it.key() >= 0, "a key number is never negative");
        require(!it->isEmpty(), "an empty text is no text");
        require(it->size() <= maxLanguageTextLength, "a text is cut at the cap");
        require(!fuzz::hasLineEnd(*it) && !it->contains(u'='), "a text is one line without \"=\"");
    }

    const LanguageTexts shown = LanguageTexts::fromText(input, name);
    for (const LanguageWindow window : allLanguageWindows) {
        for (const LanguageKey &key : languageKeys(window)) {
            const QString text = shown.text(key.key);
            require(text == texts.value(key.key, builtInLanguageText(key.key)),
                "the file's text or the built-in one is shown");
        }
    }
    return 0;
}
