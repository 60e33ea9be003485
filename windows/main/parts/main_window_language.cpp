#include "windows/main/parts/main_window_language.h"

#include "core/language/problem_texts.h"
#include "core/session/note_session.h"
#include "ui/language/language_targets.h"
#include "ui/language/toolkit_translations.h"
#include "ui/services/desktop.h"
#include "ui/services/prompts.h"
#include "windows/main/menus/main_menus.h"

#include <QActionGroup>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QMenu>

namespace tabulo {

namespace {

const QString choiceName = QStringLiteral("LanguageChoiseX(%1)");

// What a new Language.ini starts with, so the user who asks to manage the
// languages finds the format explained rather than an empty page.
const QString newTextsFileHeader
    = QStringLiteral("# Tabulo language texts: one text per line, written as Language_Number=Text,\r\n"
                     "# for example English_5=Exit. The text cannot contain \"=\".\r\n");

} // namespace

MainWindowLanguage::MainWindowLanguage(
    QWidget *window, const ProgramContext &context, NoteSession &session, MainMenus &menus, QLabel *statusWordPanel)
    : m_window(window)
    , m_context(context)
    , m_session(session)
    , m_menus(menus)
    , m_statusWordPanel(statusWordPanel)
    , m_choices(new QActionGroup(this))
{
    m_choices->setExclusive(true);
    m_menus.onTriggered("GestisciLinguaX", this, [this] { GestisciLinguaX_Click(); });
    rebuildLanguageMenu();
    m_session.setModifiedWord(text(63));
}

QString MainWindowLanguage::text(int key) const
{
    if (findLanguageKey(LanguageWindow::Form1, key))
        return m_texts.text(key);
    // The other windows read the file as it is when they open; keeping the
    // last reading until the file changes saves reading it for every text.
    if (m_otherWindowsTexts.languageName() != m_texts.languageName() || m_otherWindowsTexts.isOutdated())
        m_otherWindowsTexts = LanguageTexts::load(m_context.dataFolder(), m_texts.languageName());
    return m_otherWindowsTexts.text(key);
}

void MainWindowLanguage::applyLanguage()
{
    applyLanguageNamed(languageFiles::readCurrentName(m_context.dataFolder()));
}

void MainWindowLanguage::applyLanguageNamed(const QString &name)
{
    const QString previousStatusWord = m_texts.text(63);
    m_texts = LanguageTexts::load(m_context.dataFolder(), name);
    // The toolkit's own texts (standard buttons, context menus) follow too.
    if (m_context.toolkitTranslations)
        m_context.toolkitTranslations->follow(m_texts.languageName());
    rebuildLanguageMenu();
    applyLanguageTargets(m_window, LanguageWindow::Form1, m_texts);

    // The status word changes at once where it is shown; "Ok" stays, so a
    // note without changes does not look changed after a switch.
    const QString statusWord = text(63);
    m_session.setModifiedWord(statusWord);
    if (m_statusWordPanel->text() == previousStatusWord)
        m_statusWordPanel->setText(statusWord);
    m_context.prompts->setButtonCaptions({text(LanguageKeys::yesButton), text(LanguageKeys::noButton),
        text(LanguageKeys::cancelButton), text(LanguageKeys::okButton)});
}

void MainWindowLanguage::rebuildLanguageMenu()
{
    QMenu *menu = m_menus.menu(QStringLiteral("LinguaX"));
    if (!menu)
        return;
    const QString data = m_context.dataFolder();
    QStringList files = languageFiles::folderNames(data);
    // Without language files the menu keeps its built-in item.
    if (files.isEmpty())
        files << QStringLiteral("Italiano");

    bool checkedOne = false;
    for (qsizetype i = 0; i < files.size(); ++i) {
        const QString name = choiceName.arg(i);
        QAction *item = m_menus.action(name);
        if (!item)
            item = m_menus.addItem(menu, name);
        if (!item->isCheckable()) {
            item->setCheckable(true);
            m_choices->addAction(item);
            connect(item, &QAction::triggered, this, [this, i] { LanguageChoiseX_Click(int(i)); });
        }
        item->setData(files[i]);
        // A "&" in a file name is shown, not taken as an access key.
        item->setText(QString(files[i]).replace(QLatin1Char('&'), QStringLiteral("&&")));
        const bool current = !checkedOne
            && languageFiles::readNameInFolder(data, files[i]).compare(m_texts.languageName(), Qt::CaseInsensitive)
                == 0;
        item->setChecked(current);
        checkedOne = checkedOne || current;
    }
    // Items of files that have gone since the last build.
    for (qsizetype i = files.size(); m_menus.deleteItem(choiceName.arg(i)); ++i) { }
}

void MainWindowLanguage::LanguageChoiseX_Click(int index)
{
    const QAction *item = m_menus.action(choiceName.arg(index));
    if (!item)
        return;
    const QString data = m_context.dataFolder();
    const QString name = languageFiles::readNameInFolder(data, item->data().toString());
    const FileResult saved = languageFiles::writeCurrentName(data, name);
    applyLanguageNamed(name);
    if (!saved.ok)
        m_context.prompts->showError(m_window,
            QStringLiteral("%1\n%2\n%3")
                .arg(text(LanguageKeys::languageNotKept), languageFiles::currentNamePath(data),
                    fileProblemText(saved, [this](int key) { return text(key); })));
}

void MainWindowLanguage::GestisciLinguaX_Click()
{
    const QString data = m_context.dataFolder();
    const QString path = languageFiles::textsPath(data);
    const QString cannotOpen = text(LanguageKeys::cannotEditLanguages) + QLatin1Char('\n') + path;
    if (!QFileInfo::exists(path)) {
        QDir().mkpath(data);
        const FileResult created = writeFileAtomically(path, newTextsFileHeader);
        if (!created.ok) {
            m_context.prompts->showError(m_window,
                cannotOpen + QLatin1Char('\n') + fileProblemText(created, [this](int key) { return text(key); }));
            return;
        }
    }
    SystemDesktop systemDesktop;
    Desktop *desktop = m_context.desktop ? m_context.desktop : &systemDesktop;
    if (!desktop->openInTextEditor(path))
        m_context.prompts->showError(m_window, cannotOpen);
}

} // namespace tabulo
