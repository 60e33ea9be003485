#pragma once

#include <QString>
#include <QTranslator>

class QCoreApplication;

namespace tabulo {

// The toolkit's own texts, which no language file reaches: a text box's
// right-click menu, the colour dialog's labels, the standard buttons where
// the toolkit draws them. They follow the interface language through the
// toolkit's translations ("qtbase_de.qm"), installed on the application
// whenever the language changes.
//
// The main window does, after applying a language:
//   toolkitTranslations->follow(languageName);
class ToolkitTranslations
{
public:
    // `folder` holds the toolkit's translation files; by default where the
    // toolkit was installed to find them.
    explicit ToolkitTranslations(QCoreApplication *application, QString folder = defaultFolder());
    ~ToolkitTranslations();
    ToolkitTranslations(const ToolkitTranslations &) = delete;
    ToolkitTranslations &operator=(const ToolkitTranslations &) = delete;

    // Shows the toolkit's texts in the language of that name. English, a
    // language the program does not ship and one whose translation is not
    // installed leave them in the toolkit's English. True when a
    // translation is in use afterwards.
    bool follow(const QString &languageName);

    // The language code of the translation in use, empty for none.
    QString currentCode() const { return m_code; }

    static QString defaultFolder();

private:
    QCoreApplication *m_application;
    QString m_folder;
    QTranslator m_translator;
    QString m_code;
};

} // namespace tabulo
