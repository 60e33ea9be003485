// The theme files of a Data folder: listing them as menu names, finding a
// theme's file, remembering the choice, and making a new theme from the
// template without ever leaving half a file or an unnamed ".ini" behind.

#include "core/theme/theme_folder.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace tabulo;

namespace {

bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

const QByteArray blankTemplate = "# a theme\nfta_bcol = 0\n\ncursor_size = 2";
const QByteArray blankAsCreated = "# a theme\r\nfta_bcol = 0\r\n\r\ncursor_size = 2\r\n\r\n";

// A Data folder with a theme folder and the template.
struct DataFolder
{
    QTemporaryDir dir;
    DataFolder(bool themeFolder = true, bool withTemplate = true)
    {
        if (themeFolder)
            QDir(dir.path()).mkpath(QStringLiteral("Theme"));
        if (withTemplate)
            writeFile(dir.filePath(QStringLiteral("blank.ini")), blankTemplate);
    }
    ThemeFolder folder() const { return ThemeFolder(dir.path()); }
    QString theme(const QString &file) const { return dir.filePath(QStringLiteral("Theme/") + file); }
    QStringList themeFiles() const { return QDir(dir.filePath(QStringLiteral("Theme"))).entryList(QDir::Files); }
};

} // namespace

class ThemeFolderTest : public QObject
{
    Q_OBJECT

private slots:
    void namesFromFileNames_data();
    void namesFromFileNames();
    void cleansTypedNames_data();
    void cleansTypedNames();
    void listsThemeFilesAlphabetically();
    void findsAThemeWhateverTheCaseOfItsExtension();
    void remembersTheChoice();
    void readsOnlyRealThemeFiles();
    void createsThemesFromTheTemplate();
    void refusesNamesItCannotUse_data();
    void refusesNamesItCannotUse();
    void reportsWhatStopsACreation();
};

void ThemeFolderTest::namesFromFileNames_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("name");

    QTest::newRow("lower case") << "Dark.ini"
                                << "Dark";
    QTest::newRow("upper case") << "Dark.INI"
                                << "Dark";
    QTest::newRow("capitalised") << "Dark.Ini"
                                 << "Dark";
    QTest::newRow("spelling not in the list") << "Dark.iNI"
                                              << "Dark.iNI";
    QTest::newRow("every occurrence") << "a.ini.b.Ini"
                                      << "a.b";
    QTest::newRow("blanks kept") << "Alto Contrasto.ini"
                                 << "Alto Contrasto";
}

void ThemeFolderTest::namesFromFileNames()
{
    QFETCH(QString, file);
    QFETCH(QString, name);
    QCOMPARE(themeNameFromFileName(file), name);
}

void ThemeFolderTest::cleansTypedNames_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("name");

    QTest::newRow("plain") << "Mare"
                           << "Mare";
    QTest::newRow("every forbidden character") << "M<a>r:e\\/|*?\"s"
                                               << "Mares";
    QTest::newRow("control characters") << "a\tb\nc"
                                        << "abc";
    QTest::newRow("blanks at the ends") << "  Blu notte  "
                                        << "Blu notte";
    QTest::newRow("ampersand and accents kept") << "Bianco & Nero è"
                                                << "Bianco & Nero è";
    QTest::newRow("nothing usable") << "<?*>"
                                    << "";
    QTest::newRow("blanks only") << "   "
                                 << "";
}

void ThemeFolderTest::cleansTypedNames()
{
    QFETCH(QString, typed);
    QFETCH(QString, name);
    QCOMPARE(cleanThemeName(typed), name);
}

void ThemeFolderTest::listsThemeFilesAlphabetically()
{
    DataFolder data;
    for (const char *file : {"scuro.ini", "Chiaro.INI", "notes.txt", "Alto Contrasto.ini"})
        QVERIFY(writeFile(data.theme(QString::fromLatin1(file)), "edt_size=12"));
    QDir(data.dir.path()).mkpath(QStringLiteral("Theme/folder.ini"));
    QCOMPARE(data.folder().themeNames(), QStringList({"Alto Contrasto", "Chiaro", "scuro"}));

    DataFolder withoutThemes(false);
    QCOMPARE(withoutThemes.folder().themeNames(), QStringList());
}

void ThemeFolderTest::findsAThemeWhateverTheCaseOfItsExtension()
{
    DataFolder data;
    QVERIFY(writeFile(data.theme(QStringLiteral("Chiaro.INI")), "edt_size=9"));
    QVERIFY(writeFile(data.theme(QStringLiteral("[1].ini")), "edt_size=8"));
    QCOMPARE(data.folder().themeFilePath(QStringLiteral("Chiaro")), data.theme(QStringLiteral("Chiaro.INI")));
    QCOMPARE(data.folder().readTheme(QStringLiteral("Chiaro"), QLocale::c())->edt.size, 9.0);
    QCOMPARE(data.folder().readTheme(QStringLiteral("[1]"), QLocale::c())->edt.size, 8.0);
    QVERIFY(!data.folder().readTheme(QStringLiteral("chiaro"), QLocale::c()));
}

void ThemeFolderTest::remembersTheChoice()
{
    DataFolder data;
    QCOMPARE(data.folder().chosenThemeName(), QString());
    QVERIFY(data.folder().rememberChoice(QStringLiteral("Alto Contrasto")).ok);
    QCOMPARE(readFile(data.dir.filePath(QStringLiteral("Theme.ini"))), QByteArray("Alto Contrasto\r\n"));
    QCOMPARE(data.folder().chosenThemeName(), QStringLiteral("Alto Contrasto"));

    QVERIFY(writeFile(data.dir.filePath(QStringLiteral("Theme.ini")), "# chosen\r\nScuro\r\n[x]\r\nChiaro\r\n\r\n"));
    QCOMPARE(data.folder().chosenThemeName(), QStringLiteral("Chiaro"));

    // A folder where the file should be: the choice cannot be written, and
    // says so.
    DataFolder blocked;
    QDir(blocked.dir.path()).mkpath(QStringLiteral("Theme.ini"));
    const FileResult result = blocked.folder().rememberChoice(QStringLiteral("Scuro"));
    QVERIFY(!result.ok);
    QVERIFY(!result.error.isEmpty());
}

void ThemeFolderTest::readsOnlyRealThemeFiles()
{
    DataFolder data;
    QVERIFY(writeFile(data.theme(QStringLiteral(".ini")), "edt_size=30"));
    QVERIFY(writeFile(data.theme(QStringLiteral("binary.ini")), QByteArray("\x00\xff\xfe=edt_size\x00=\x01", 12)));
    QVERIFY(writeFile(data.theme(QStringLiteral("huge.ini")), QByteArray(3 * 1024 * 1024, 'x') + "\nedt_size=30"));

    QVERIFY(!data.folder().readTheme(QString(), QLocale::c())); // no name is no theme
    QVERIFY(!data.folder().readTheme(QStringLiteral("missing"), QLocale::c()));
    QVERIFY(!data.folder().readTheme(QStringLiteral("huge"), QLocale::c()));
    QVERIFY(data.folder().readTheme(QStringLiteral("binary"), QLocale::c()) == Theme());
}

void ThemeFolderTest::createsThemesFromTheTemplate()
{
    DataFolder data;
    const auto made = data.folder().createTheme(QStringLiteral(" Mare/Blu "));
    QCOMPARE(made.outcome, ThemeFolder::Outcome::Created);
    QCOMPARE(made.path, data.theme(QStringLiteral("MareBlu.ini")));
    QCOMPARE(readFile(made.path), blankAsCreated);

    // An empty theme file is no theme: its name can be used again.
    QVERIFY(writeFile(data.theme(QStringLiteral("Vuoto.ini")), ""));
    QCOMPARE(data.folder().createTheme(QStringLiteral("Vuoto")).outcome, ThemeFolder::Outcome::Created);
    QCOMPARE(readFile(data.theme(QStringLiteral("Vuoto.ini"))), blankAsCreated);
}

void ThemeFolderTest::refusesNamesItCannotUse_data()
{
    QTest::addColumn<QString>("existingFile");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<ThemeFolder::Outcome>("outcome");

    QTest::newRow("taken") << "Scuro.ini"
                           << "Scuro" << ThemeFolder::Outcome::NameTaken;
    QTest::newRow("taken with another extension case") << "Scuro.INI"
                                                       << "Scuro" << ThemeFolder::Outcome::NameTaken;
    QTest::newRow("becomes empty") << ""
                                   << "???" << ThemeFolder::Outcome::NoUsableName;
    QTest::newRow("blanks only") << ""
                                 << "  " << ThemeFolder::Outcome::NoUsableName;
    QTest::newRow("too long for a file name") << "" << QString(300, u'a') << ThemeFolder::Outcome::WriteFailed;
}

void ThemeFolderTest::refusesNamesItCannotUse()
{
    QFETCH(QString, existingFile);
    QFETCH(QString, typed);
    QFETCH(ThemeFolder::Outcome, outcome);
    DataFolder data;
    if (!existingFile.isEmpty())
        QVERIFY(writeFile(data.theme(existingFile), "edt_size=9\r\n"));
    const QStringList before = data.themeFiles();

    QCOMPARE(data.folder().createTheme(typed).outcome, outcome);
    QCOMPARE(data.themeFiles(), before);
    if (!existingFile.isEmpty())
        QCOMPARE(readFile(data.theme(existingFile)), QByteArray("edt_size=9\r\n"));
}

void ThemeFolderTest::reportsWhatStopsACreation()
{
    DataFolder noThemeFolder(false);
    const auto missing = noThemeFolder.folder().createTheme(QStringLiteral("Mare"));
    QCOMPARE(missing.outcome, ThemeFolder::Outcome::FolderMissing);
    QCOMPARE(missing.path, noThemeFolder.dir.filePath(QStringLiteral("Theme")));
    QVERIFY(!QFile::exists(noThemeFolder.dir.filePath(QStringLiteral("Theme"))));

    DataFolder noTemplate(true, false);
    const auto unreadable = noTemplate.folder().createTheme(QStringLiteral("Mare"));
    QCOMPARE(unreadable.outcome, ThemeFolder::Outcome::TemplateUnreadable);
    QCOMPARE(unreadable.path, noTemplate.dir.filePath(QStringLiteral("blank.ini")));
    QCOMPARE(unreadable.failure.problem, FileProblem::NotFound);
    QCOMPARE(noTemplate.themeFiles(), QStringList());
}

QTEST_GUILESS_MAIN(ThemeFolderTest)
#include "tst_theme_folder.moc"
