#include "windows/main/menus/menu_table.h"

#include "core/language/language_keys.h"

namespace tabulo {

namespace {

using Kind = MenuEntry::Kind;
using Only = MenuEntry::Only;

constexpr MenuEntry menu(const char *name, const char *parent = nullptr, const char *ownCaption = nullptr)
{
    return {Kind::Menu, name, parent, {}, false, ownCaption};
}
constexpr MenuEntry command(const char *name, const char *parent, QKeyCombination shortcut = {})
{
    return {Kind::Command, name, parent, shortcut};
}
constexpr MenuEntry toggle(const char *name, const char *parent, bool checked = false)
{
    return {Kind::Toggle, name, parent, {}, checked};
}
constexpr MenuEntry choice(const char *name, const char *parent, bool checked = false)
{
    return {Kind::Choice, name, parent, {}, checked};
}
constexpr MenuEntry separator(const char *parent)
{
    return {Kind::Separator, nullptr, parent};
}
// The first item of a list another part fills in (themes, languages); its
// caption shows while the list is empty.
constexpr MenuEntry placeholder(const char *name, const char *parent, const char *caption)
{
    return {Kind::Command, name, parent, {}, false, caption};
}
constexpr MenuEntry barCommand(const char *name, const char *caption)
{
    return {Kind::BarCommand, name, nullptr, {}, false, caption};
}
constexpr MenuEntry only(MenuEntry entry, Only variant)
{
    entry.only = variant;
    return entry;
}

constexpr MenuEntry table[] = {
    menu("FileX"),
    command("NuovaIstanzaX", "FileX", Qt::CTRL | Qt::Key_F8),
    command("New_Calc", "FileX", Qt::Key_F8),
    command("Load_Calc", "FileX", Qt::Key_F3),
    command("RicaricaUltimoFileX", "FileX", Qt::Key_F9),
    command("SaveX", "FileX", Qt::Key_F2),
    command("Save_Calc", "FileX", Qt::Key_F6),
    separator("FileX"),
    menu("ImpostazioniX", "FileX"),
    menu("ColoriX", "ImpostazioniX"),
    command("CreaTemaX", "ColoriX"),
    command("GestisciTemiX", "ColoriX"),
    separator("ColoriX"),
    placeholder("ThemeChoiseX(0)", "ColoriX", "Temi"),
    menu("LinguaX", "ImpostazioniX"),
    command("GestisciLinguaX", "LinguaX"),
    separator("LinguaX"),
    placeholder("LanguageChoiseX(0)", "LinguaX", "Italiano"),
    menu("EditorX", "ImpostazioniX"),
    toggle("VerticaleOrizzonateX", "EditorX", true),
    toggle("SoloVerticaleX", "EditorX"),
    toggle("SempreInPrimoPianoX", "ImpostazioniX"),
    toggle("TrasparenteX", "ImpostazioniX"),
    command("ResettaInterfacciaX", "ImpostazioniX"),
    toggle("MostraStrumentiX", "ImpostazioniX", true),
    toggle("ColonnaTotaliX", "ImpostazioniX"),
    // Each variant offers to switch to the other.
    only(command("TotaleInBassoX", "ImpostazioniX"), Only::WithTotalAtTop),
    only(command("TotaleInAltoX", "ImpostazioniX"), Only::WithTotalsAtBottom),
    separator("FileX"),
    command("QuitX", "FileX", Qt::Key_F12),

    // `Edit_X` is also the editors' pop-up menu.
    menu("Edit_X"),
    command("InserisciScriptX", "Edit_X", Qt::Key_F4),
    command("EseguiScriptX", "Edit_X", Qt::Key_F5),
    separator("Edit_X"),
    command("VaiSuX", "Edit_X"),
    command("VaiGiuX", "Edit_X"),
    separator("Edit_X"),
    command("AnnullaX", "Edit_X", Qt::CTRL | Qt::Key_Z),
    command("RipetiX", "Edit_X", Qt::CTRL | Qt::Key_S),
    // The clipboard commands name their keys in the caption: the editor's
    // own keys do the work.
    command("TagliaX", "Edit_X"),
    command("CopiaX", "Edit_X"),
    command("IncollaX", "Edit_X"),
    command("EliminaX", "Edit_X"),
    separator("Edit_X"),
    command("SelezionaTuttoX", "Edit_X", Qt::CTRL | Qt::Key_A),
    separator("Edit_X"),
    command("TrovaSostituisciX", "Edit_X", Qt::CTRL | Qt::Key_F),
    separator("Edit_X"),
    menu("addX", "Edit_X"),
    // No Enter mode until the user picks one.
    choice("O5", "addX", true),
    choice("O1", "addX"),
    choice("O2", "addX"),
    choice("O3", "addX"),
    choice("O4", "addX"),
    command("Split_String", "Edit_X"),
    command("AggiungiSegnoInizialeX", "Edit_X", Qt::Key_F7),
    command("RimuoviSegnoInizialeX", "Edit_X", Qt::SHIFT | Qt::Key_F7),
    separator("Edit_X"),
    command("EsportaX", "Edit_X", Qt::SHIFT | Qt::Key_F5),
    command("EsportaHtmlX", "Edit_X", Qt::CTRL | Qt::Key_F5),
    separator("Edit_X"),
    command("CalcolatriceX", "Edit_X", Qt::CTRL | Qt::Key_F7),
    separator("Edit_X"),

    // The tray's pop-up menu never stands in the menu bar.
    {Kind::Popup, "TrayBar", nullptr, {}, false, "TrayBar"},
    command("Mostra", "TrayBar"),
    separator("TrayBar"),
    command("ChiudiMenu", "TrayBar"),
    command("Fine", "TrayBar"),

    barCommand("AumentaTestoX", "[+]"),
    barCommand("DiminuisciTestoX", "[-]"),
    barCommand("NormalizzaTestoX", "[T]"),

    menu("InX", nullptr, "?"),
    command("AiutoX", "InX", Qt::Key_F1),
    command("InfoX", "InX"),
};

} // namespace

bool MenuEntry::isIn(LayoutVariant variant) const
{
    switch (only) {
    case Only::BothVariants:
        return true;
    case Only::WithTotalsAtBottom:
        return variant == LayoutVariant::TotalsAtBottom;
    case Only::WithTotalAtTop:
        return variant == LayoutVariant::TotalAtTop;
    }
    return true;
}

std::span<const MenuEntry> mainMenuTable()
{
    return table;
}

QString builtInCaption(const MenuEntry &entry)
{
    if (entry.ownCaption)
        return QString::fromUtf8(entry.ownCaption);
    if (!entry.name)
        return {};
    const LanguageKey *key
        = findLanguageKeyOf(LanguageWindow::Form1, TextTarget::Caption, QLatin1StringView(entry.name));
    return key ? key->builtInText() : QString();
}

QString toolbarCommand(int tool)
{
    const QByteArray button = "tool(" + QByteArray::number(tool) + ')';
    const LanguageKey *key
        = findLanguageKeyOf(LanguageWindow::Form1, TextTarget::ToolbarTip, QLatin1StringView(button));
    if (!key)
        return {};
    for (const LanguageTarget &target : key->targets) {
        if (target.kind == TextTarget::Caption)
            return QString::fromLatin1(target.object);
    }
    return {};
}

} // namespace tabulo
