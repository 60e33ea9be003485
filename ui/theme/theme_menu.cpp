#include "ui/theme/theme_menu.h"

#include "core/language/language_keys.h"
#include "ui/services/desktop.h"
#include "ui/services/prompts.h"
#include "ui/theme/colour_picker.h"
#include "ui/theme/theme_applier.h"
#include "ui/theme/theme_messages.h"

#include <QAction>
#include <QActionGroup>
#include <QFileInfo>
#include <QMenu>

namespace tabulo {

namespace {

// Language texts of "Crea Tema...".
constexpr int namePromptKey = 96;
constexpr int nameTitleKey = 97;
constexpr int nameTakenKey = 98;

// A menu caption shows "&" as an access key; a theme named "Bianco & Nero"
// must read as written.
QString menuCaption(const QString &name)
{
    return QString(name).replace(QLatin1Char('&'), QStringLiteral("&&"));
}

} // namespace

ThemeMenu::ThemeMenu(QMenu *coloriX, QAction *firstItem, ThemeApplier &applier, Services services)
    : QObject(coloriX)
    , m_menu(coloriX)
    , m_applier(applier)
    , m_services(std::move(services))
    , m_group(new QActionGroup(this))
{
    m_group->setExclusive(true);
    firstItem->setCheckable(true);
    m_group->addAction(firstItem);
    m_items << firstItem;
    connect(firstItem, &QAction::triggered, this, [this] { ThemeChoiseX_Click(0); });
}

ThemeMenu::~ThemeMenu() = default;

QString ThemeMenu::languageText(int key) const
{
    return m_services.languageText ? m_services.languageText(key) : builtInLanguageText(key);
}

void ThemeMenu::LoadTheme()
{
    const ThemeFolder themes = folder();
    listThemes(themes.themeNames());
    applyNamed(themes.chosenThemeName());
}

void ThemeMenu::listThemes(const QStringList &names)
{
    // Items beyond the files listed now belong to themes that were deleted.
    // Removed later: the item chosen may be one of them, still sending its
    // signal.
    while (m_items.size() > std::max<qsizetype>(1, names.size())) {
        QAction *gone = m_items.takeLast();
        m_menu->removeAction(gone);
        m_group->removeAction(gone);
        gone->deleteLater();
    }
    for (qsizetype i = m_items.size(); i < names.size(); ++i) {
        auto *item = new QAction(m_menu);
        item->setObjectName(QStringLiteral("ThemeChoiseX(%1)").arg(i));
        item->setCheckable(true);
        m_group->addAction(item);
        m_menu->addAction(item);
        connect(item, &QAction::triggered, this, [this, i] { ThemeChoiseX_Click(int(i)); });
        m_items << item;
    }
    for (qsizetype i = 0; i < names.size(); ++i) {
        m_items[i]->setText(menuCaption(names[i]));
        m_items[i]->setData(names[i]);
        m_items[i]->setEnabled(true);
    }
    if (names.isEmpty()) {
        m_items[0]->setText(languageText(LanguageKeys::noThemes));
        m_items[0]->setData(QVariant());
        m_items[0]->setEnabled(false); // nothing to choose
    }
}

void ThemeMenu::applyNamed(const QString &name)
{
    // A missing or unreadable theme file changes nothing; the values that
    // follow from the editor's look are set again all the same.
    const auto theme = folder().readTheme(name, m_services.locale);
    m_applier.apply(theme.value_or(Theme()));
    for (QAction *item : std::as_const(m_items))
        item->setChecked(item->data().isValid() && item->data().toString() == name && !name.isEmpty());
    emit themeApplied(m_applier.current());
}

void ThemeMenu::ThemeChoiseX_Click(int index)
{
    const LanguageTextLookup text = [this](int key) { return languageText(key); };
    if (index < 0 || index >= m_items.size() || !m_items[index]->data().isValid())
        return;
    const QString name = m_items[index]->data().toString();
    const ThemeFolder themes = folder();
    const FileResult remembered = themes.rememberChoice(name);
    listThemes(themes.themeNames());
    // The choice shows at once even when it could not be remembered.
    applyNamed(name);
    if (!remembered.ok)
        m_services.prompts->showError(
            m_services.window, theme_messages::choiceNotRemembered(text, themes.chosenThemeFile(), remembered));
}

void ThemeMenu::CreaTemaX_Click()
{
    const LanguageTextLookup text = [this](int key) { return languageText(key); };
    const ThemeFolder themes = folder();
    QString proposed;
    for (;;) {
        const auto typed = m_services.prompts->askText(
            m_services.window, m_services.languageText(namePromptKey), m_services.languageText(nameTitleKey), proposed);
        if (!typed || typed->isEmpty())
            return;
        const ThemeFolder::Creation made = themes.createTheme(*typed);
        switch (made.outcome) {
        case ThemeFolder::Outcome::NoUsableName:
            m_services.prompts->showInformation(m_services.window, theme_messages::noUsableName(text, *typed));
            proposed.clear();
            continue;
        case ThemeFolder::Outcome::NameTaken:
            m_services.prompts->showInformation(m_services.window, m_services.languageText(nameTakenKey));
            proposed = *typed;
            continue;
        case ThemeFolder::Outcome::FolderMissing:
            m_services.prompts->showError(m_services.window,
                theme_messages::folderMissing(text, made.path) + QLatin1Char('\n')
                    + theme_messages::themeNotCreated(text));
            return;
        case ThemeFolder::Outcome::TemplateUnreadable:
            m_services.prompts->showError(
                m_services.window, theme_messages::templateUnreadable(text, made.path, made.failure));
            return;
        case ThemeFolder::Outcome::WriteFailed:
            m_services.prompts->showError(
                m_services.window, theme_messages::themeNotWritten(text, made.path, made.failure));
            return;
        case ThemeFolder::Outcome::Created:
            if (!m_services.desktop->openInTextEditor(made.path))
                m_services.prompts->showInformation(
                    m_services.window, theme_messages::editorNotOpened(text, made.path));
            openColourPicker();
            return;
        }
    }
}

void ThemeMenu::GestisciTemiX_Click()
{
    const LanguageTextLookup text = [this](int key) { return languageText(key); };
    const QString path = folder().themesPath();
    if (!QFileInfo(path).isDir())
        m_services.prompts->showError(m_services.window, theme_messages::folderMissing(text, path));
    else if (!m_services.desktop->openFolder(path))
        m_services.prompts->showError(m_services.window, theme_messages::folderNotOpened(text, path));
}

void ThemeMenu::openColourPicker()
{
    if (!m_picker)
        m_picker = new ColourPicker(m_services.window, m_services.languageText);
    m_picker->showBeside(m_services.window);
}

} // namespace tabulo
