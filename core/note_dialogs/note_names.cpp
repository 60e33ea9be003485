#include "core/note_dialogs/note_names.h"

namespace tabulo {

namespace {

bool isInvalidNameCharacter(QChar c)
{
    switch (c.unicode()) {
    case u'<':
    case u'>':
    case u':':
    case u'\\':
    case u'/':
    case u'|':
    case u'*':
    case u'?':
    case u'"':
        return true;
    default:
        return c.unicode() < 0x20 || c.unicode() == 0x7f;
    }
}

bool isBlank(QStringView name)
{
    return name.trimmed().isEmpty();
}

} // namespace

QString removeInvalidNameCharacters(QStringView name)
{
    QString kept;
    kept.reserve(name.size());
    for (QChar c : name) {
        if (!isInvalidNameCharacter(c))
            kept += c;
    }
    return kept;
}

QString withoutTxtExtension(QStringView name)
{
    return name.toString().remove(QStringLiteral(".txt"), Qt::CaseSensitive);
}

QString noteFileNameFor(QStringView typedName)
{
    const QString name = withoutTxtExtension(removeInvalidNameCharacters(typedName));
    if (isBlank(name))
        return {};
    return name + QStringLiteral(".txt");
}

QString folderNameFor(QStringView typedName)
{
    const QString name = removeInvalidNameCharacters(typedName);
    if (isBlank(name) || name == u"." || name == u"..")
        return {};
    return name;
}

} // namespace tabulo
