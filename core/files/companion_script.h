#pragma once

#include "core/files/text_file.h"

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

// A script this long or longer is not run: the script engine of the
// program's first versions took no more, and scripts written for it fit.
constexpr qint64 maxRunScriptBytes = 32768;

// Why a script cannot be run or edited. The windows turn these into
// language texts; `file` says it as a file problem, for the messages that
// name the file and the reason.
enum class ScriptFileProblem {
    None,
    Missing,
    Empty,
    TooLong, // maxRunScriptBytes or more for a run, above maxNoteBytes to edit
    Binary, // NUL bytes: a binary file, or text in UTF-16
    Unreadable, // a folder in its place, no permission, a read error
};

struct ScriptFileText
{
    ScriptFileProblem problem = ScriptFileProblem::None;
    QString text; // when problem is None
    // When it is not: the same as a file problem (a success for an empty
    // script, which is no fault of the file).
    FileResult file = FileResult::success();

    bool ok() const { return problem == ScriptFileProblem::None; }
};

// The script as a run hands it to the engine: every line of the file,
// empty ones included, followed by CR LF (a line ends at CR LF, a lone CR
// or a lone LF). Missing, empty, too long, binary and unreadable files are
// refused.
ScriptFileText readScriptForRun(const QString &scriptPath);

// The script as the editor shows it: its lines joined by CR LF, without the
// line end that saving adds after the last line. A missing file is a script
// not yet written, an empty text. A binary or unreadable file is refused:
// an editor opened on it would destroy it when saved.
ScriptFileText readScriptForEditor(const QString &scriptPath);

// The line of the script file (from 1) that line `runLine` of a run came
// from. The output window drops the script's empty lines before it runs
// it, so the interpreter's line numbers count only the others: an error on
// the run's line 3 may stand on line 5 of the file. `scriptText` is the
// script as readScriptForRun gave it. 0 for a line the run did not have.
int scriptFileLine(QStringView scriptText, int runLine);

// Saves the editor's text (any line ends; written as CR LF) followed by one
// CR LF, replacing the file in one step so that a failed write leaves the
// old script as it was. An empty text deletes the script instead: a note
// without a script is a note whose script file is absent.
FileResult saveScriptFromEditor(const QString &scriptPath, const QString &editorText);

} // namespace tabulo
