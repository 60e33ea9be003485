// The toolkit's own texts follow the interface language: its translation
// is installed for the shipped languages and taken away for the others.

#include "ui/language/toolkit_translations.h"

#include <QApplication>
#include <QTemporaryDir>
#include <QTest>

using namespace tabulo;

namespace {

// A standard button as the toolkit labels it.
QString cancelCaption()
{
    return QCoreApplication::translate("QPlatformTheme", "Cancel");
}

} // namespace

class ToolkitTranslationsTest : public QObject
{
    Q_OBJECT

private slots:
    void followsTheInterfaceLanguage_data();
    void followsTheInterfaceLanguage();
    void aMissingTranslationLeavesEnglish();
};

void ToolkitTranslationsTest::followsTheInterfaceLanguage_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("code");
    QTest::addColumn<QString>("cancel");
    QTest::newRow("Deutsch") << "Deutsch"
                             << "de"
                             << "Abbrechen";
    QTest::newRow("Italiano") << "Italiano"
                              << "it"
                              << "Annulla";
    QTest::newRow("Français, in another case") << "FRANÇAIS"
                                               << "fr"
                                               << "Annuler";
    QTest::newRow("Español") << "Español"
                             << "es"
                             << "Cancelar";
    QTest::newRow("English is the toolkit's own") << "English"
                                                  << ""
                                                  << "Cancel";
    QTest::newRow("a language added by the user") << "Klingon"
                                                  << ""
                                                  << "Cancel";
}

void ToolkitTranslationsTest::followsTheInterfaceLanguage()
{
    QFETCH(QString, language);
    QFETCH(QString, code);
    QFETCH(QString, cancel);
    ToolkitTranslations translations(qApp);
    // From another language first, so the switch also takes one away.
    QVERIFY(translations.follow(QStringLiteral("Deutsch")));
    QCOMPARE(translations.follow(language), !code.isEmpty());
    QCOMPARE(translations.currentCode(), code);
    QCOMPARE(cancelCaption(), cancel);
}

void ToolkitTranslationsTest::aMissingTranslationLeavesEnglish()
{
    QTemporaryDir empty;
    {
        ToolkitTranslations translations(qApp, empty.path());
        QVERIFY(!translations.follow(QStringLiteral("Deutsch")));
        QCOMPARE(cancelCaption(), QStringLiteral("Cancel"));
    }
    {
        ToolkitTranslations translations(qApp);
        QVERIFY(translations.follow(QStringLiteral("Italiano")));
    }
    // Gone with its owner.
    QCOMPARE(cancelCaption(), QStringLiteral("Cancel"));
}

QTEST_MAIN(ToolkitTranslationsTest)
#include "tst_toolkit_translations.moc"
