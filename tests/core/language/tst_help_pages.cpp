// The help pages name the program's captions and keys as the program shows
// them in the page's language: every caption a page marks (<b>, <i>) is a
// text of that language, every key (<kbd>) one the program answers, spelt
// as the language's menus spell it.

#include "core/language/language_keys.h"
#include "core/language/language_texts.h"

#include <QFile>
#include <QRegularExpression>
#include <QSet>
#include <QTest>

using namespace tabulo;

namespace {

QString shippedData()
{
    return QStringLiteral(TABULO_SHIPPED_DATA);
}

// How a language writes the keys that no menu caption shows. The control
// key's name is taken from the menus themselves ("Taglia (CTRL+X)").
struct KeyNames
{
    const char *language;
    const char *shift;
    const char *enter;
    const char *escape;
};

const KeyNames keyNames[] = {
    {"Italiano", "Maiusc", "Invio", "Esc"},
    {"English", "Shift", "Enter", "Esc"},
    {"Deutsch", "Umschalt", "Eingabe", "Esc"},
    {"Français", "Maj", "Entrée", "Échap"},
    {"Español", "Mayús", "Intro", "Esc"},
};

// The main window's shortcuts, as "Ctrl+", "Shift+" and the key; and the
// editor's own, which its menu captions name.
const QStringList shortcuts = {"F1", "F2", "F3", "F4", "F5", "Shift+F5", "Ctrl+F5", "F6", "F7", "Shift+F7", "Ctrl+F7",
    "F8", "Ctrl+F8", "F9", "F12", "Ctrl+Z", "Ctrl+S", "Ctrl+A", "Ctrl+F", "Ctrl+X", "Ctrl+C", "Ctrl+V"};

// Words a page sets off that are no caption of the language file: the
// totals' names, the text size buttons and the output window's button,
// which are the same in every language.
const QSet<QString> sameInEveryLanguage = {"TotX", "TotY", "[+]", "[-]", "[T]", "HTML"};

QString plain(QString html)
{
    html.replace(QStringLiteral("&gt;"), QStringLiteral(">"))
        .replace(QStringLiteral("&lt;"), QStringLiteral("<"))
        .replace(QStringLiteral("&amp;"), QStringLiteral("&"));
    return html.simplified();
}

QStringList marked(const QString &page, const QString &tag)
{
    QStringList found;
    const QRegularExpression element(
        QStringLiteral("<%1>(.*?)</%1>").arg(tag), QRegularExpression::DotMatchesEverythingOption);
    for (auto it = element.globalMatch(page); it.hasNext();)
        found << plain(it.next().captured(1));
    return found;
}

// The control key's name in the language's menus: "CTRL" in "Taglia (CTRL+X)".
QString controlName(const LanguageTexts &texts)
{
    static const QRegularExpression key(QStringLiteral("\\(([^+()]+)\\+X\\)"));
    return key.match(texts.text(19)).captured(1);
}

} // namespace

class HelpPagesTest : public QObject
{
    Q_OBJECT

private slots:
    void pagesNameWhatTheProgramShows_data();
    void pagesNameWhatTheProgramShows();
};

void HelpPagesTest::pagesNameWhatTheProgramShows_data()
{
    QTest::addColumn<int>("index");
    for (int i = 0; i < int(std::size(keyNames)); ++i)
        QTest::newRow(keyNames[i].language) << i;
}

void HelpPagesTest::pagesNameWhatTheProgramShows()
{
    QFETCH(int, index);
    const KeyNames &names = keyNames[index];
    const QString language = QString::fromUtf8(names.language);
    QFile file(shippedData() + QStringLiteral("/Help_") + language + QStringLiteral(".htm"));
    QVERIFY(file.open(QIODevice::ReadOnly));
    // Comments are for whoever edits the page, not for its reader.
    static const QRegularExpression comment(
        QStringLiteral("<!--.*?-->"), QRegularExpression::DotMatchesEverythingOption);
    const QString page = QString::fromUtf8(file.readAll()).remove(comment);
    const LanguageTexts texts = LanguageTexts::load(shippedData(), language);

    QSet<QString> captions = sameInEveryLanguage;
    for (const LanguageWindow window : allLanguageWindows) {
        for (const LanguageKey &key : languageKeys(window))
            captions.insert(texts.text(key.key).remove(QLatin1Char('&')).simplified());
    }
    for (const QString &name : languageFiles::folderNames(shippedData()))
        captions.insert(name);
    QStringList faults;
    for (const QString &tag : {QStringLiteral("b"), QStringLiteral("i")}) {
        for (const QString &path : marked(page, tag)) {
            // "File > Settings > Colours" names a menu, a submenu, an item.
            for (const QString &caption : path.split(QStringLiteral(" > "))) {
                if (!captions.contains(caption))
                    faults << QStringLiteral("<%1>%2</%1>").arg(tag, caption);
            }
        }
    }

    const QString control = controlName(texts);
    QVERIFY(!control.isEmpty());
    const QHash<QString, QString> modifiers
        = {{control, QStringLiteral("Ctrl")}, {QString::fromUtf8(names.shift), QStringLiteral("Shift")}};
    const QSet<QString> ownKeys = {QString::fromUtf8(names.enter), QString::fromUtf8(names.escape)};
    for (const QString &keys : marked(page, QStringLiteral("kbd"))) {
        if (ownKeys.contains(keys))
            continue;
        QStringList parts = keys.split(QLatin1Char('+'));
        const QString key = parts.takeLast();
        QStringList canonical;
        for (const QString &modifier : parts)
            canonical << modifiers.value(modifier, QStringLiteral("?") + modifier);
        canonical << key;
        if (!shortcuts.contains(canonical.join(QLatin1Char('+'))))
            faults << QStringLiteral("<kbd>%1</kbd>").arg(keys);
    }
    QCOMPARE(faults.join(QStringLiteral(", ")), QString());
}

QTEST_GUILESS_MAIN(HelpPagesTest)
#include "tst_help_pages.moc"
