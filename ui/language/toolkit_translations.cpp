#include "ui/language/toolkit_translations.h"

#include "core/language/language_locales.h"

#include <QCoreApplication>
#include <QLibraryInfo>

namespace tabulo {

ToolkitTranslations::ToolkitTranslations(QCoreApplication *application, QString folder)
    : m_application(application)
    , m_folder(std::move(folder))
{
}

ToolkitTranslations::~ToolkitTranslations()
{
    if (!m_code.isEmpty())
        m_application->removeTranslator(&m_translator);
}

QString ToolkitTranslations::defaultFolder()
{
    return QLibraryInfo::path(QLibraryInfo::TranslationsPath);
}

bool ToolkitTranslations::follow(const QString &languageName)
{
    const QString code = languageCodeOf(languageName).value_or(QString());
    if (code == m_code)
        return !m_code.isEmpty();
    if (!m_code.isEmpty())
        m_application->removeTranslator(&m_translator);
    m_code.clear();
    // The toolkit speaks English by itself.
    if (code.isEmpty() || code == u"en")
        return false;
    if (!m_translator.load(QStringLiteral("qtbase_") + code, m_folder)
        || !m_application->installTranslator(&m_translator))
        return false;
    m_code = code;
    return true;
}

} // namespace tabulo
