// The main window's menu table and the language keys it takes its captions
// from: every entry finds its caption in exactly one place, every caption
// key names an entry, and each toolbar button runs the command it shows.

#include "core/language/language_keys.h"
#include "windows/main/controls/toolbar.h"
#include "windows/main/menus/menu_table.h"

#include <QSet>
#include <QTest>

using namespace tabulo;

namespace {

const MenuEntry *entryNamed(const QString &name)
{
    for (const MenuEntry &entry : mainMenuTable()) {
        if (entry.name && name == QLatin1String(entry.name))
            return &entry;
    }
    return nullptr;
}

const LanguageKey *captionKeyOf(const MenuEntry &entry)
{
    return findLanguageKeyOf(LanguageWindow::Form1, TextTarget::Caption, QLatin1StringView(entry.name));
}

} // namespace

class MenuTableTest : public QObject
{
    Q_OBJECT

private slots:
    void everyEntryHasOneCaption_data();
    void everyEntryHasOneCaption();
    void everyCaptionKeyNamesAnEntry();
    void menusComeBeforeTheirItems();
    void noShortcutIsTakenTwice();
    void toolbarButtonsRunTheirCommands_data();
    void toolbarButtonsRunTheirCommands();
};

void MenuTableTest::everyEntryHasOneCaption_data()
{
    QTest::addColumn<int>("index");
    int index = 0;
    for (const MenuEntry &entry : mainMenuTable()) {
        if (entry.kind != MenuEntry::Kind::Separator)
            QTest::newRow(entry.name) << index;
        ++index;
    }
}

void MenuTableTest::everyEntryHasOneCaption()
{
    QFETCH(int, index);
    const MenuEntry &entry = mainMenuTable()[size_t(index)];
    QVERIFY(entry.name);
    QVERIFY(!builtInCaption(entry).isEmpty());
    // A caption of its own where a language file could give one would be
    // the caption written a second time, and the language's never shown.
    QCOMPARE(entry.ownCaption != nullptr, captionKeyOf(entry) == nullptr);
}

void MenuTableTest::everyCaptionKeyNamesAnEntry()
{
    QStringList missing;
    for (const LanguageKey &key : languageKeys(LanguageWindow::Form1)) {
        for (const LanguageTarget &target : key.targets) {
            if (target.kind == TextTarget::Caption && !entryNamed(QString::fromLatin1(target.object)))
                missing << QStringLiteral("%1 %2").arg(key.key).arg(QString::fromLatin1(target.object));
        }
    }
    QCOMPARE(missing, QStringList());
}

void MenuTableTest::menusComeBeforeTheirItems()
{
    QSet<QString> menus;
    QStringList orphans;
    for (const MenuEntry &entry : mainMenuTable()) {
        if (entry.parent && !menus.contains(QString::fromLatin1(entry.parent)))
            orphans << QStringLiteral("%1 in %2")
                           .arg(QString::fromLatin1(entry.name ? entry.name : "a separator"),
                               QString::fromLatin1(entry.parent));
        if (entry.kind == MenuEntry::Kind::Menu || entry.kind == MenuEntry::Kind::Popup)
            menus.insert(QString::fromLatin1(entry.name));
    }
    QCOMPARE(orphans, QStringList());
}

void MenuTableTest::noShortcutIsTakenTwice()
{
    for (const LayoutVariant variant : {LayoutVariant::TotalsAtBottom, LayoutVariant::TotalAtTop}) {
        QHash<int, QString> taken;
        QStringList twice;
        for (const MenuEntry &entry : mainMenuTable()) {
            if (!entry.isIn(variant) || entry.shortcut.key() == Qt::Key_unknown)
                continue;
            const QString name = QString::fromLatin1(entry.name);
            const int combined = entry.shortcut.toCombined();
            if (taken.contains(combined))
                twice << taken.value(combined) + QLatin1Char('/') + name;
            taken.insert(combined, name);
        }
        QCOMPARE(twice, QStringList());
    }
}

void MenuTableTest::toolbarButtonsRunTheirCommands_data()
{
    QTest::addColumn<int>("tool");
    QTest::addColumn<QString>("command");
    const char *const commands[Toolbar::toolCount]
        = {"New_Calc", "Load_Calc", "SaveX", "InserisciScriptX", "EseguiScriptX", "AnnullaX", "RipetiX", "TagliaX",
            "CopiaX", "IncollaX", "TrovaSostituisciX", "CalcolatriceX", "AiutoX"};
    for (int tool = 0; tool < Toolbar::toolCount; ++tool)
        QTest::addRow("tool(%d)", tool) << tool << QString::fromLatin1(commands[tool]);
}

void MenuTableTest::toolbarButtonsRunTheirCommands()
{
    QFETCH(int, tool);
    QFETCH(QString, command);
    QCOMPARE(toolbarCommand(tool), command);
    const MenuEntry *entry = entryNamed(command);
    QVERIFY(entry);
    QCOMPARE(entry->kind, MenuEntry::Kind::Command);
}

QTEST_GUILESS_MAIN(MenuTableTest)
#include "tst_menu_table.moc"
