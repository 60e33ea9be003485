#pragma once

#include <QList>
#include <QString>
#include <QStringView>

namespace tabulo {

// The pattern the note dialogs' file lists start with.
inline QString noteFilePattern()
{
    return QStringLiteral("*.txt");
}

// The open dialog's name filter as a file list pattern: the typed text, then
// 22 "?" and ".*", so the list shows files of any extension whose name
// starts with the text followed by at most 22 more characters.
QString nameFilterPattern(QStringView filterText);

// Whether a file name matches a file list pattern, matched as the desktop
// the notes come from has always matched them, ignoring case:
//  - "*" matches any run of characters, dots included;
//  - "?" matches one character other than a dot, or nothing where the name
//    reaches a dot or its end (so "ab??" matches "ab" and "abc");
//  - "." matches a dot, or the end of a name when only "*" and "?" follow
//    it (so "*.*" also matches a name without an extension);
//  - every other character matches itself.
class FilePattern
{
public:
    explicit FilePattern(QStringView pattern);
    bool matches(QStringView name) const;

private:
    QString m_folded; // the pattern, case folded
    QList<bool> m_wildcardTail; // [i]: only "*" and "?" from position i on
};

inline bool matchesFilePattern(QStringView pattern, QStringView name)
{
    return FilePattern(pattern).matches(name);
}

} // namespace tabulo
