#pragma once

#include <QString>

namespace tabulo {

// A note's companion script lies beside the note, under the note's name
// with ".vb" in place of its ".txt". Exactly five spellings are replaced,
// every occurrence, one after the other: ".TXT", ".Txt", ".tXt", ".txT" and
// ".txt"; other mixes of case (".TXt") stay, as scripts already saved under
// this rule expect. Only the file's own name is changed: the script of
// "notes.txt/a.txt" is "notes.txt/a.vb", beside the note.
//
// Empty when the name holds none of the five spellings: such a note has no
// companion script, and its own path must never be taken for one.
QString companionScriptPath(const QString &notePath);

} // namespace tabulo
