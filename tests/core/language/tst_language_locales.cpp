// Which shipped language the desktop asks for, and the locale each shipped
// language stands for.

#include "core/language/language_locales.h"

#include <QHash>
#include <QTest>

using namespace tabulo;

class LanguageLocalesTest : public QObject
{
    Q_OBJECT

private slots:
    void theDesktopsLanguageIsFound_data();
    void theDesktopsLanguageIsFound();
    void everyShippedLanguageHasItsCode();
};

void LanguageLocalesTest::theDesktopsLanguageIsFound_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("lcAll");
    QTest::addColumn<QString>("lcMessages");
    QTest::addColumn<QString>("lang");
    QTest::addColumn<QString>("expected"); // empty: none of the shipped ones

    QTest::newRow("LANG alone") << ""
                                << ""
                                << ""
                                << "de_DE.UTF-8"
                                << "Deutsch";
    QTest::newRow("LC_MESSAGES before LANG") << ""
                                             << ""
                                             << "fr_FR.UTF-8"
                                             << "de_DE.UTF-8"
                                             << "Français";
    QTest::newRow("LC_ALL before both") << ""
                                        << "es_ES.UTF-8"
                                        << "fr_FR.UTF-8"
                                        << "de_DE"
                                        << "Español";
    QTest::newRow("LANGUAGE first") << "en_GB:de"
                                    << ""
                                    << ""
                                    << "de_DE.UTF-8"
                                    << "English";
    QTest::newRow("LANGUAGE's first shipped one") << "pt_BR:nl:it"
                                                  << ""
                                                  << ""
                                                  << "de_DE.UTF-8"
                                                  << "Italiano";
    QTest::newRow("LANGUAGE without a shipped one") << "pt_BR:nl"
                                                    << ""
                                                    << ""
                                                    << "fr_CA.UTF-8"
                                                    << "Français";
    QTest::newRow("LANGUAGE ignored in the C locale") << "de"
                                                      << ""
                                                      << ""
                                                      << "C.UTF-8"
                                                      << "";
    QTest::newRow("with a modifier") << ""
                                     << ""
                                     << ""
                                     << "de_DE@euro"
                                     << "Deutsch";
    QTest::newRow("a language not shipped") << ""
                                            << ""
                                            << ""
                                            << "pt_PT.UTF-8"
                                            << "";
    QTest::newRow("POSIX") << ""
                           << "POSIX"
                           << ""
                           << ""
                           << "";
    QTest::newRow("nothing set") << ""
                                 << ""
                                 << ""
                                 << ""
                                 << "";
}

void LanguageLocalesTest::theDesktopsLanguageIsFound()
{
    QFETCH(QString, language);
    QFETCH(QString, lcAll);
    QFETCH(QString, lcMessages);
    QFETCH(QString, lang);
    QFETCH(QString, expected);
    const QHash<QString, QString> environment
        = {{"LANGUAGE", language}, {"LC_ALL", lcAll}, {"LC_MESSAGES", lcMessages}, {"LANG", lang}};
    const auto found
        = desktopLanguage([&environment](const char *name) { return environment.value(QString::fromLatin1(name)); });
    QCOMPARE(found.value_or(QString()), expected);
}

void LanguageLocalesTest::everyShippedLanguageHasItsCode()
{
    QCOMPARE(languageCodeOf(QStringLiteral("Deutsch")), std::optional(QStringLiteral("de")));
    QCOMPARE(languageCodeOf(QStringLiteral("français")), std::optional(QStringLiteral("fr")));
    QCOMPARE(languageCodeOf(QStringLiteral("Klingon")), std::nullopt);
    // Each code is a locale the toolkit knows as that language.
    for (const LanguageLocale &shipped : shippedLanguageLocales)
        QCOMPARE(QLocale(QString::fromLatin1(shipped.code)).language() == QLocale::C, false);
}

QTEST_GUILESS_MAIN(LanguageLocalesTest)
#include "tst_language_locales.moc"
