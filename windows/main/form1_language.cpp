#include "windows/main/form1.h"

#include "ui/language/language_targets.h"
#include "ui/services/desktop.h"
#include "ui/services/prompts.h"

#include <QAction>
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

void Form1::connectLanguageMenu()
{
    m_languageChoices = new QActionGroup(this);
    m_languageChoices->setExclusive(true);
    connect(action(QStringLiteral("GestisciLinguaX")), &QAction::triggered, this, &Form1::GestisciLinguaX_Click);
    rebuildLanguageMenu();
}

QString Form1::languageText(int key) const
{
    if (findLanguageKey(LanguageWindow::Form1, key))
        return m_languageTexts.text(key);
    // The other windows read the file as it is when they open; keeping the
    // last reading until the file changes saves reading it for every text.
    if (m_otherWindowsTexts.languageName() != m_languageTexts.languageName() || m_otherWindowsTexts.isOutdated())
        m_otherWindowsTexts = LanguageTexts::load(m_context.dataFolder(), m_languageTexts.languageName());
    return m_otherWindowsTexts.text(key);
}

void Form1::applyLanguage()
{
    applyLanguageNamed(languageFiles::readCurrentName(m_context.dataFolder()));
}

void Form1::applyLanguageNamed(const QString &name)
{
    const QString previousStatusWord = m_languageTexts.text(63);
    m_languageTexts = LanguageTexts::load(m_context.dataFolder(), name);
    rebuildLanguageMenu();
    applyLanguageTargets(this, LanguageWindow::Form1, m_languageTexts);

    // The status word changes at once where it is shown; "Ok" stays, so a
    // note without changes does not look changed after a switch.
    const QString statusWord = languageText(63);
    m_session.setModifiedWord(statusWord);
    if (statusPanel(0)->text() == previousStatusWord)
        statusPanel(0)->setText(statusWord);
    m_context.prompts->setButtonCaptions({languageText(LanguageKeys::yesButton), languageText(LanguageKeys::noButton),
        languageText(LanguageKeys::cancelButton), languageText(LanguageKeys::okButton)});
}

void Form1::rebuildLanguageMenu()
{
    auto *menu = findChild<QMenu *>(QStringLiteral("LinguaX"));
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
        QAction *item = action(name);
        if (!item) {
            item = menu->addAction(QString());
            item->setObjectName(name);
            m_actions.insert(name, item);
        }
        if (!item->isCheckable()) {
            item->setCheckable(true);
            m_languageChoices->addAction(item);
            connect(item, &QAction::triggered, this, [this, i] { LanguageChoiseX_Click(int(i)); });
        }
        item->setData(files[i]);
        // A "&" in a file name is shown, not taken as an access key.
        item->setText(QString(files[i]).replace(QLatin1Char('&'), QStringLiteral("&&")));
        const bool current = !checkedOne
            && languageFiles::readNameInFolder(data, files[i])
                    .compare(m_languageTexts.languageName(), Qt::CaseInsensitive)
                == 0;
        item->setChecked(current);
        checkedOne = checkedOne || current;
    }
    // Items of files that have gone since the last build.
    for (qsizetype i = files.size();; ++i) {
        QAction *stale = m_actions.take(choiceName.arg(i));
        if (!stale)
            break;
        delete stale;
    }
}

void Form1::LanguageChoiseX_Click(int index)
{
    const QAction *item = action(choiceName.arg(index));
    if (!item)
        return;
    const QString data = m_context.dataFolder();
    const QString name = languageFiles::readNameInFolder(data, item->data().toString());
    const FileResult saved = languageFiles::writeCurrentName(data, name);
    applyLanguageNamed(name);
    if (!saved.ok)
        m_context.prompts->showError(this,
            QStringLiteral("%1\n%2\n%3")
                .arg(languageText(LanguageKeys::languageNotKept), languageFiles::currentNamePath(data), saved.error));
}

void Form1::GestisciLinguaX_Click()
{
    const QString data = m_context.dataFolder();
    const QString path = languageFiles::textsPath(data);
    const QString cannotOpen = languageText(LanguageKeys::cannotEditLanguages) + QLatin1Char('\n') + path;
    if (!QFileInfo::exists(path)) {
        QDir().mkpath(data);
        const FileResult created = writeFileAtomically(path, newTextsFileHeader);
        if (!created.ok) {
            m_context.prompts->showError(this, cannotOpen + QLatin1Char('\n') + created.error);
            return;
        }
    }
    SystemDesktop systemDesktop;
    Desktop *desktop = m_context.desktop ? m_context.desktop : &systemDesktop;
    if (!desktop->openInTextEditor(path))
        m_context.prompts->showError(this, cannotOpen);
}

} // namespace tabulo
