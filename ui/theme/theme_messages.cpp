#include "ui/theme/theme_messages.h"

#include <QDir>

namespace tabulo::theme_messages {

namespace {

QString shown(const QString &path)
{
    return QDir::toNativeSeparators(path);
}

} // namespace

QString noUsableName(const QString &typed)
{
    return QStringLiteral("Il nome \"%1\" non contiene caratteri validi per un nome di file.\n"
                          "Scrivi un nome senza < > : \\ / | * ? \".")
        .arg(typed);
}

QString folderMissing(const QString &folder)
{
    return QStringLiteral("La cartella dei temi \"%1\" non esiste.").arg(shown(folder));
}

QString themeNotCreated()
{
    return QStringLiteral("Il tema non è stato creato.");
}

QString templateUnreadable(const QString &file, const QString &reason)
{
    return QStringLiteral("Il modello dei temi \"%1\" non si può leggere: il tema non è stato creato.\n%2")
        .arg(shown(file), reason);
}

QString themeNotWritten(const QString &file, const QString &reason)
{
    return QStringLiteral("Il tema \"%1\" non si può scrivere: non è stato creato.\n%2").arg(shown(file), reason);
}

QString choiceNotRemembered(const QString &file, const QString &reason)
{
    return QStringLiteral("Il tema scelto è applicato, ma \"%1\" non si può scrivere: "
                          "al prossimo avvio tornerà il tema precedente.\n%2")
        .arg(shown(file), reason);
}

QString folderNotOpened(const QString &folder)
{
    return QStringLiteral("La cartella dei temi \"%1\" non si può aprire.").arg(shown(folder));
}

QString editorNotOpened(const QString &file)
{
    return QStringLiteral("Il nuovo tema è in \"%1\": aprilo con un editor di testo per cambiarne i colori.")
        .arg(shown(file));
}

} // namespace tabulo::theme_messages
