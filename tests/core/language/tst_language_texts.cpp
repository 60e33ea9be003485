// The language files in a Data folder: how they are read whatever encoding
// a text editor gave them, what the "Lang" folder lists, choosing a language,
// and the shipped files giving every text of every window in each language.

#include "core/language/language_texts.h"
#include "core/language/script_error_texts.h"
#include "vbs/error.h"

#include "tests/core/file_bytes.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>

using namespace tabulo;
using tabulo::test::readBytes;
using tabulo::test::writeBytes;

namespace {

// The languages the shipped Data folder offers; each must give every key.
const QStringList shippedLanguages = {QStringLiteral("Italiano"), QStringLiteral("English"), QStringLiteral("Deutsch"),
    QStringLiteral("Français"), QStringLiteral("Español")};

// The captions that stand side by side in one window or one message box,
// whose access keys must therefore differ: the save dialog's buttons, the
// find window's check box and buttons, a question's answers.
const QList<QList<int>> accessKeyNeighbours = {{46, 72}, {55, 56, 57, 58}, {206, 207, 208, 209}};

// The main window's menus, each by the keys of its items in the order they
// stand: the menu bar, then each menu. Every item needs an access key of its
// own among its neighbours, or Alt and a letter reaches the wrong one.
// TotaleInAltoX (84) and TotaleInBassoX (85) stand in one place, one per
// variant.
const QList<std::pair<const char *, QList<int>>> mainWindowMenus = {
    {"menu bar", {0, 6}},
    {"FileX", {101, 1, 2, 50, 3, 4, 31, 5}},
    {"ImpostazioniX", {32, 33, 67, 37, 38, 71, 62, 260, 84, 85}},
    {"ColoriX", {95, 99}},
    {"LinguaX", {100}},
    {"EditorX", {68, 69}},
    {"Edit_X", {90, 43, 35, 36, 60, 61, 19, 20, 21, 22, 23, 51, 7, 13, 39, 42, 30, 49, 29}},
    {"addX", {8, 9, 10, 11, 12}},
    {"TrayBar", {26, 27, 28}},
    {"InX", {24, 25}},
};

// The letter after the single "&" of a caption, lower case; none when the
// caption has no access key.
std::optional<QChar> accessKey(const QString &caption)
{
    const qsizetype at = caption.indexOf(QLatin1Char('&'));
    if (at < 0 || at + 1 >= caption.size())
        return std::nullopt;
    return caption.at(at + 1).toLower();
}

QStringList placeholders(const QString &text)
{
    QStringList found;
    static const QRegularExpression placeholder(QStringLiteral("%\\d"));
    for (auto it = placeholder.globalMatch(text); it.hasNext();)
        found << it.next().captured();
    found.sort();
    return found;
}

QString shippedData()
{
    return QStringLiteral(TABULO_SHIPPED_DATA);
}

} // namespace

class LanguageTextsTest : public QObject
{
    Q_OBJECT

private slots:
    void languageFileIsReadInAnyEncoding_data();
    void languageFileIsReadInAnyEncoding();
    void missingOrUnusableFilesLeaveTheBuiltInTexts_data();
    void missingOrUnusableFilesLeaveTheBuiltInTexts();
    void currentNameComesFromLangIni_data();
    void currentNameComesFromLangIni();
    void aHundredThousandLinesAreReadAndTheLastWins();
    void folderListsNamesWithoutExtension();
    void choosingWritesTheNameAsTheOnlyLine();
    void choosingIntoABlockedDataFolderSaysWhy();
    void textsKnowWhenTheFileChanged();
    void everyWindowKeyIsUniqueAndHasABuiltInText();
    void shippedLanguagesGiveEveryKey_data();
    void shippedLanguagesGiveEveryKey();
    void shippedLanguagesKeepPlaceholdersAndAccessKeys_data();
    void shippedLanguagesKeepPlaceholdersAndAccessKeys();
    void shippedLanguageFilesNameTheirLanguage();
    void everyMenuItemHasAnAccessKeyOfItsOwn_data() { shippedLanguagesGiveEveryKey_data(); }
    void everyMenuItemHasAnAccessKeyOfItsOwn();
    void everyScriptErrorHasADescription_data() { shippedLanguagesGiveEveryKey_data(); }
    void everyScriptErrorHasADescription();
    void init() { QVERIFY(QDir(data()).removeRecursively()); }

private:
    QTemporaryDir m_folder;
    QString data() const { return m_folder.filePath(QStringLiteral("Data")); }
    void writeData(const QString &name, const QByteArray &bytes)
    {
        QDir().mkpath(QFileInfo(data() + QLatin1Char('/') + name).path());
        QVERIFY(writeBytes(data() + QLatin1Char('/') + name, bytes));
    }
};

void LanguageTextsTest::languageFileIsReadInAnyEncoding_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("UTF-8") << QByteArray("Italiano_36=Vai Gi\xc3\xb9\r\n");
    QTest::newRow("UTF-8 with BOM") << QByteArray("\xef\xbb\xbfItaliano_36=Vai Gi\xc3\xb9\r\n");
    QTest::newRow("Windows-1252") << QByteArray("Italiano_36=Vai Gi\xf9\r\n");
    QTest::newRow("LF only") << QByteArray("# comment\nItaliano_36=Vai Gi\xc3\xb9\n");
}

void LanguageTextsTest::languageFileIsReadInAnyEncoding()
{
    QFETCH(QByteArray, bytes);
    writeData(QStringLiteral("Language.ini"), bytes);
    const LanguageTexts texts = LanguageTexts::load(data(), QStringLiteral("italiano"));
    QCOMPARE(texts.fileText(36), std::optional(QStringLiteral("Vai Giù")));
}

void LanguageTextsTest::missingOrUnusableFilesLeaveTheBuiltInTexts_data()
{
    QTest::addColumn<QString>("languageIni");
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("no file") << "" << QByteArray();
    QTest::newRow("empty file") << "Language.ini" << QByteArray();
    QTest::newRow("binary file") << "Language.ini" << QByteArray("\x00\xff\xfe=\x01\r\n\x00", 9);
    QTest::newRow("a folder in its place") << "Language.ini/x" << QByteArray("English_5=Exit");
}

void LanguageTextsTest::missingOrUnusableFilesLeaveTheBuiltInTexts()
{
    QFETCH(QString, languageIni);
    QFETCH(QByteArray, bytes);
    if (!languageIni.isEmpty())
        writeData(languageIni, bytes);
    const LanguageTexts texts = LanguageTexts::load(data(), QStringLiteral("English"));
    QCOMPARE(texts.fileTextCount(), 0);
    QCOMPARE(texts.text(5), QStringLiteral("Esci"));
    QCOMPARE(texts.text(63), QStringLiteral("Modificato"));
}

void LanguageTextsTest::currentNameComesFromLangIni_data()
{
    QTest::addColumn<QByteArray>("langIni");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("quitCaption");
    QTest::newRow("last non-empty line") << QByteArray("Italiano\r\nEnglish\r\n\r\n") << "English"
                                         << "Exit";
    QTest::newRow("UTF-8 with BOM") << QByteArray("\xef\xbb\xbf"
                                                  "English\r\n")
                                    << "English"
                                    << "Exit";
    QTest::newRow("Windows-1252") << QByteArray("Fran\xe7"
                                                "ais\r\n")
                                  << "Français"
                                  << "Quitter";
    QTest::newRow("trailing blank matches no key") << QByteArray("English \r\n") << "English "
                                                   << "Esci";
    QTest::newRow("other case matches") << QByteArray("ENGLISH\n") << "ENGLISH"
                                        << "Exit";
    QTest::newRow("empty file") << QByteArray() << ""
                                << "Esci";
}

void LanguageTextsTest::currentNameComesFromLangIni()
{
    QFETCH(QByteArray, langIni);
    QFETCH(QString, name);
    QFETCH(QString, quitCaption);
    QCOMPARE(languageFiles::readCurrentName(data()), QString());
    writeData(QStringLiteral("Lang.ini"), langIni);
    writeData(QStringLiteral("Language.ini"),
        "English_5=Exit\r\nFran\xc3\xa7"
        "ais_5=Quitter\r\n");
    QCOMPARE(languageFiles::readCurrentName(data()), name);
    const LanguageTexts texts = LanguageTexts::loadCurrent(data());
    QCOMPARE(texts.languageName(), name);
    QCOMPARE(texts.text(5), quitCaption);
}

void LanguageTextsTest::aHundredThousandLinesAreReadAndTheLastWins()
{
    QByteArray file;
    for (int i = 0; i < 100000; ++i)
        file += "Deutsch_" + QByteArray::number(i % 120) + "=Text " + QByteArray::number(i) + "\r\n";
    writeData(QStringLiteral("Language.ini"), file);
    const LanguageTexts texts = LanguageTexts::load(data(), QStringLiteral("deutsch"));
    QCOMPARE(texts.fileTextCount(), 120);
    QCOMPARE(texts.text(5), QStringLiteral("Text 99965"));
}

void LanguageTextsTest::folderListsNamesWithoutExtension()
{
    QCOMPARE(languageFiles::folderNames(data()), QStringList());
    for (const char *name : {"English", "notes.txt", "deutsch", "Español", ".hidden", "Lang.ini"})
        writeData(QStringLiteral("Lang/") + QString::fromUtf8(name), "x\r\n");
    QDir().mkpath(data() + QStringLiteral("/Lang/Subfolder"));
    QCOMPARE(languageFiles::folderNames(data()),
        (QStringList {QStringLiteral("deutsch"), QStringLiteral("English"), QStringLiteral("Español")}));
    writeData(QStringLiteral("Lang/Klingon"), "Klingon\r\n\r\n");
    QCOMPARE(languageFiles::readNameInFolder(data(), QStringLiteral("Klingon")), QStringLiteral("Klingon"));
    QCOMPARE(languageFiles::readNameInFolder(data(), QStringLiteral("Missing")), QString());
    QCOMPARE(languageFiles::readNameInFolder(data(), QStringLiteral("../Lang.ini")), QString());
}

void LanguageTextsTest::choosingWritesTheNameAsTheOnlyLine()
{
    writeData(QStringLiteral("Lang.ini"), "Italiano\r\n");
    const FileResult saved = languageFiles::writeCurrentName(data(), QStringLiteral("English"));
    QVERIFY2(saved.ok, qPrintable(saved.error));
    QCOMPARE(readBytes(data() + QStringLiteral("/Lang.ini")), QByteArray("English\r\n"));
    // A missing Data folder is made.
    QVERIFY(QDir(data()).removeRecursively());
    QVERIFY(languageFiles::writeCurrentName(data(), QStringLiteral("Español")).ok);
    QCOMPARE(readBytes(data() + QStringLiteral("/Lang.ini")), QByteArray("Espa\xc3\xb1ol\r\n"));
}

void LanguageTextsTest::choosingIntoABlockedDataFolderSaysWhy()
{
    // A plain file where the Data folder should be: nothing can be written
    // into it, whoever runs the test.
    QVERIFY(writeBytes(data(), "not a folder"));
    const FileResult saved = languageFiles::writeCurrentName(data(), QStringLiteral("English"));
    QVERIFY(!saved.ok);
    QVERIFY(!saved.error.isEmpty());
    QCOMPARE(readBytes(data()), QByteArray("not a folder"));
    QVERIFY(QFile::remove(data()));
}

void LanguageTextsTest::textsKnowWhenTheFileChanged()
{
    QVERIFY(LanguageTexts().isOutdated());
    LanguageTexts texts = LanguageTexts::load(data(), QStringLiteral("English"));
    QVERIFY(!texts.isOutdated());
    writeData(QStringLiteral("Language.ini"), "English_5=Exit\r\n");
    QVERIFY(texts.isOutdated());
    texts = LanguageTexts::load(data(), QStringLiteral("English"));
    QVERIFY(!texts.isOutdated());
    writeData(QStringLiteral("Language.ini"), "English_5=Quit it\r\n");
    QVERIFY(texts.isOutdated());
}

void LanguageTextsTest::everyWindowKeyIsUniqueAndHasABuiltInText()
{
    for (const LanguageWindow window : allLanguageWindows) {
        int previous = -1;
        for (const LanguageKey &key : languageKeys(window)) {
            const QString where = languageWindowName(window) + QStringLiteral(" key ") + QString::number(key.key);
            QVERIFY2(key.key > previous, qPrintable(where + QStringLiteral(" is out of order")));
            previous = key.key;
            QVERIFY2(key.targets[0].kind != TextTarget::None, qPrintable(where + QStringLiteral(" has no target")));
            // Only a tool tip may be absent without a language file.
            const bool onlyToolTips = std::all_of(key.targets.begin(), key.targets.end(),
                [](const LanguageTarget &t) { return t.kind == TextTarget::ToolTip || t.kind == TextTarget::None; });
            QVERIFY2(onlyToolTips || !key.builtInText().isEmpty(),
                qPrintable(where + QStringLiteral(" has no built-in text")));
            QCOMPARE(findLanguageKey(window, key.key), &key);
        }
    }
}

void LanguageTextsTest::shippedLanguagesGiveEveryKey_data()
{
    QTest::addColumn<QString>("language");
    for (const QString &language : shippedLanguages)
        QTest::newRow(qPrintable(language)) << language;
}

void LanguageTextsTest::shippedLanguagesGiveEveryKey()
{
    QFETCH(QString, language);
    const LanguageTexts texts = LanguageTexts::load(shippedData(), language);
    QStringList missing;
    for (const LanguageWindow window : allLanguageWindows) {
        for (const LanguageKey &key : languageKeys(window)) {
            if (!texts.fileText(key.key))
                missing << languageWindowName(window) + QLatin1Char(' ') + QString::number(key.key);
        }
    }
    QCOMPARE(missing.join(QStringLiteral(", ")), QString());
}

void LanguageTextsTest::shippedLanguagesKeepPlaceholdersAndAccessKeys_data()
{
    shippedLanguagesGiveEveryKey_data();
}

// A translation that drops a "%1" loses the file name from its message, and
// two buttons of one window with the same access key leave one of them
// unreachable from the keyboard.
void LanguageTextsTest::shippedLanguagesKeepPlaceholdersAndAccessKeys()
{
    QFETCH(QString, language);
    const LanguageTexts texts = LanguageTexts::load(shippedData(), language);
    QStringList faults;
    for (const LanguageWindow window : allLanguageWindows) {
        for (const LanguageKey &key : languageKeys(window)) {
            const QString text = texts.fileText(key.key).value_or(QString());
            if (placeholders(text) != placeholders(key.builtInText()))
                faults << QStringLiteral("%1 changes the placeholders").arg(key.key);
            if (text.count(QLatin1Char('&')) > 1)
                faults << QStringLiteral("%1 has more than one access key").arg(key.key);
        }
    }
    for (const QList<int> &neighbours : accessKeyNeighbours) {
        QSet<QChar> taken;
        for (const int key : neighbours) {
            const auto letter = accessKey(texts.fileText(key).value_or(QString()));
            if (letter && taken.contains(*letter))
                faults << QStringLiteral("%1 repeats the access key %2").arg(key).arg(*letter);
            if (letter)
                taken.insert(*letter);
        }
    }
    QCOMPARE(faults.join(QStringLiteral(", ")), QString());
}

void LanguageTextsTest::shippedLanguageFilesNameTheirLanguage()
{
    const QStringList offered = languageFiles::folderNames(shippedData());
    QCOMPARE(
        QSet<QString>(offered.begin(), offered.end()), QSet<QString>(shippedLanguages.begin(), shippedLanguages.end()));
    for (const QString &file : offered)
        QCOMPARE(languageFiles::readNameInFolder(shippedData(), file), file);
    QCOMPARE(languageFiles::readCurrentName(shippedData()), QStringLiteral("Italiano"));
}

void LanguageTextsTest::everyMenuItemHasAnAccessKeyOfItsOwn()
{
    QFETCH(QString, language);
    const LanguageTexts texts = LanguageTexts::load(shippedData(), language);
    QStringList faults;
    for (const auto &[menu, items] : mainWindowMenus) {
        QHash<QChar, int> taken;
        for (const int key : items) {
            const QString caption = texts.text(key);
            const auto letter = accessKey(caption);
            if (!letter)
                faults << QStringLiteral("%1: %2 \"%3\" has no access key").arg(menu).arg(key).arg(caption);
            else if (taken.contains(*letter))
                faults << QStringLiteral("%1: %2 and %3 share %4").arg(menu).arg(taken[*letter]).arg(key).arg(*letter);
            else if (letter->isSpace())
                faults << QStringLiteral("%1: %2 marks a blank").arg(menu).arg(key);
            if (letter)
                taken.insert(*letter, key);
        }
    }
    QCOMPARE(faults.join(QStringLiteral("\n")), QString());
}

// Each error the interpreter can report reads in every shipped language,
// under the key that the language file's header explains.
void LanguageTextsTest::everyScriptErrorHasADescription()
{
    QFETCH(QString, language);
    const LanguageTexts texts = LanguageTexts::load(shippedData(), language);
    QStringList missing;
    for (const int number : scriptErrorNumbers()) {
        const int key = LanguageKeys::scriptErrorBase + number;
        if (!texts.fileText(key))
            missing << QString::number(number);
        QVERIFY2(!builtInLanguageText(key).isEmpty(), qPrintable(QString::number(number)));
    }
    QCOMPARE(missing.join(QStringLiteral(", ")), QString());
    // The interpreter knows no description the language file lacks.
    const QList<int> described = scriptErrorNumbers();
    for (int number = 1; number < 40000; ++number) {
        if (!vbs::errorDescription(number).empty() && !described.contains(number))
            missing << QString::number(number);
    }
    QCOMPARE(missing.join(QStringLiteral(", ")), QString());
}

QTEST_GUILESS_MAIN(LanguageTextsTest)
#include "tst_language_texts.moc"
