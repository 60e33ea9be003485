#pragma once

#include <QString>
#include <QStringView>

namespace tabulo {

// The two exports of a note, as pure text builders: the windows gather the
// text, colours and font, write the result and open it.

// "Temp.txt": the note as it is, a line of 27 "=", then the shown total;
// every line ended by CR LF.
QString noteTextExport(QStringView noteText, QStringView totalText);

// How the page shows the text: the colours as "#RRGGBB", the font as the
// text box has it.
struct PageStyle
{
    QString background;
    QString textColour;
    QString fontName;
    double fontPointSize = 12;
};

// The script output page carries one more "<body>" line before the body
// that sets the colours; the note's page does not.
enum class PageKind { Note, ScriptOutput };

// A point size as the page writes it: "." as the decimal point, no trailing
// zeros ("12", "9.75").
QString pageFontSize(double points);

// The text as it stands on line 8: each pair of spaces made one (a single
// pass from the left, so four become two and three become two), each CR LF
// made "<br />", and "&", "<", ">" escaped so the page shows what was typed
// and nothing in the text runs in the browser.
QString pageText(QStringView text);

// The whole page "Output.htm", every line ended by CR LF. Its title is the
// file's base name.
QString htmlPage(QStringView text, const PageStyle &style, PageKind kind = PageKind::Note);

} // namespace tabulo
