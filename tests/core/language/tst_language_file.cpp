// The rules of the hand-edited language files, on their text: which line
// gives which key its text, and which language name a name file holds.

#include "core/language/language_file.h"
#include "core/language/language_texts.h"

#include <QTest>

using namespace tabulo;

class LanguageFileTest : public QObject
{
    Q_OBJECT

private slots:
    void textOfKeyFive_data();
    void textOfKeyFive();
    void keyNumbers_data();
    void keyNumbers();
    void lastNonEmptyLineIsTheName_data();
    void lastNonEmptyLineIsTheName();
    void longTextsAreCut();
    void missingTextsAreTheBuiltInItalianOnes();
};

void LanguageFileTest::textOfKeyFive_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("expected"); // "<none>": the file gives no text

    const QString none = QStringLiteral("<none>");
    QTest::newRow("plain") << "English_5=Exit"
                           << "English"
                           << "Exit";
    QTest::newRow("blanks around each part") << "  english_5  =  Exit  "
                                             << "English"
                                             << "Exit";
    QTest::newRow("tabs around each part") << "\tEnglish_5\t=\tExit\t"
                                           << "English"
                                           << "Exit";
    QTest::newRow("key ignores case") << "ENGLISH_5=Exit"
                                      << "english"
                                      << "Exit";
    QTest::newRow("further fields dropped") << "English_5=Exit=Now"
                                            << "English"
                                            << "Exit";
    QTest::newRow("blanks inside the text kept") << "English_5=Select All  (CTRL+A)"
                                                 << "English"
                                                 << "Select All  (CTRL+A)";
    QTest::newRow("access key kept") << "English_5=E&xit"
                                     << "English"
                                     << "E&xit";
    QTest::newRow("later line wins") << "English_5=Exit\nEnglish_5=Quit"
                                     << "English"
                                     << "Quit";
    QTest::newRow("later line in other case wins") << "English_5=Exit\r\nenglish_5=Quit"
                                                   << "English"
                                                   << "Quit";
    QTest::newRow("lone CR ends a line") << "English_5=Exit\rEnglish_5=Quit"
                                         << "English"
                                         << "Quit";
    QTest::newRow("empty text keeps the earlier one") << "English_5=Exit\nEnglish_5="
                                                      << "English"
                                                      << "Exit";
    QTest::newRow("only an empty text") << "English_5=  "
                                        << "English" << none;
    QTest::newRow("no equals sign") << "English_5 Exit"
                                    << "English" << none;
    QTest::newRow("section line") << "[English_5=Exit]"
                                  << "English" << none;
    QTest::newRow("hash comment") << "#English_5=Exit"
                                  << "English" << none;
    QTest::newRow("quote comment") << "'English_5=Exit"
                                   << "English" << none;
    QTest::newRow("indented comment") << "   # English_5=Exit"
                                      << "English" << none;
    QTest::newRow("other language") << "Italiano_5=Esci"
                                    << "English" << none;
    QTest::newRow("language name is a prefix") << "Englishman_5=Exit"
                                               << "English" << none;
    QTest::newRow("leading zero") << "English_05=Exit"
                                  << "English" << none;
    QTest::newRow("other number") << "English_50=Exit"
                                  << "English" << none;
    QTest::newRow("no underscore") << "English5=Exit"
                                   << "English" << none;
    QTest::newRow("name with trailing blank matches nothing") << "English_5=Exit"
                                                              << "English " << none;
    QTest::newRow("empty name matches a bare number") << "_5=Exit"
                                                      << ""
                                                      << "Exit";
    QTest::newRow("empty name ignores named keys") << "English_5=Exit"
                                                   << "" << none;
    QTest::newRow("name with blanks inside") << "Old English_5=Exit"
                                             << "Old English"
                                             << "Exit";
    QTest::newRow("accented name") << "Français_5=Quitter"
                                   << "FRANÇAIS"
                                   << "Quitter";
    QTest::newRow("bad lines around a good one") << "garbage\n=\n==\nEnglish_=x\nEnglish_5=Exit\n_="
                                                 << "English"
                                                 << "Exit";
    QTest::newRow("empty file") << ""
                                << "English" << none;
}

void LanguageFileTest::textOfKeyFive()
{
    QFETCH(QString, file);
    QFETCH(QString, language);
    QFETCH(QString, expected);
    const QHash<int, QString> texts = parseLanguageTexts(file, language);
    QCOMPARE(texts.value(5, QStringLiteral("<none>")), expected);
    QVERIFY(texts.size() <= 1);
}

void LanguageFileTest::keyNumbers_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<int>("number");
    QTest::newRow("zero") << "English_0" << 0;
    QTest::newRow("three digits") << "english_101" << 101;
    QTest::newRow("nine digits") << "English_123456789" << 123456789;
    QTest::newRow("ten digits") << "English_1234567890" << -1;
    QTest::newRow("double zero") << "English_00" << -1;
    QTest::newRow("sign") << "English_+5" << -1;
    QTest::newRow("negative") << "English_-5" << -1;
    QTest::newRow("letters after") << "English_5a" << -1;
    QTest::newRow("no number") << "English_" << -1;
    QTest::newRow("Arabic-Indic digit") << QString::fromUtf8("English_\u0665") << -1;
    QTest::newRow("shorter than the name") << "Eng" << -1;
}

void LanguageFileTest::keyNumbers()
{
    QFETCH(QString, key);
    QFETCH(int, number);
    QCOMPARE(languageKeyNumber(key, u"English"), number);
}

void LanguageFileTest::lastNonEmptyLineIsTheName_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("name");
    QTest::newRow("one line") << "English\r\n"
                              << "English";
    QTest::newRow("no line end") << "English"
                                 << "English";
    QTest::newRow("last line wins") << "Italiano\r\nEnglish\r\n"
                                    << "English";
    QTest::newRow("empty lines after") << "English\n\n\r\n"
                                       << "English";
    QTest::newRow("blanks kept") << " English \n"
                                 << " English ";
    QTest::newRow("a line of blanks is not empty") << "English\n  \n"
                                                   << "  ";
    QTest::newRow("empty") << ""
                           << "";
    QTest::newRow("only line ends") << "\r\n\r\n"
                                    << "";
}

void LanguageFileTest::lastNonEmptyLineIsTheName()
{
    QFETCH(QString, text);
    QFETCH(QString, name);
    QCOMPARE(lastNonEmptyLine(text), name);
}

void LanguageFileTest::longTextsAreCut()
{
    const QString longText(100000, QLatin1Char('x'));
    const QHash<int, QString> texts = parseLanguageTexts(QStringLiteral("English_5=") + longText, u"English");
    QCOMPARE(texts.value(5).size(), maxLanguageTextLength);
    QVERIFY(texts.value(5).endsWith(QChar(0x2026)));
}

void LanguageFileTest::missingTextsAreTheBuiltInItalianOnes()
{
    const LanguageTexts texts
        = LanguageTexts::fromText(u"English_5=Exit\nEnglish_999=Spare", QStringLiteral("English"));
    QCOMPARE(texts.text(5), QStringLiteral("Exit"));
    QCOMPARE(texts.text(15), QStringLiteral("La nota contiene modifiche non salvate. Vuoi salvarle?"));
    QCOMPARE(texts.text(36), QStringLiteral("Vai Giù"));
    QCOMPARE(texts.text(77), QStringLiteral("Tabulo Sel."));
    QCOMPARE(texts.text(999), QStringLiteral("Spare"));
    QCOMPARE(texts.text(998), QString());
    QCOMPARE(texts.fileText(36), std::nullopt);
}

QTEST_GUILESS_MAIN(LanguageFileTest)
#include "tst_language_file.moc"
