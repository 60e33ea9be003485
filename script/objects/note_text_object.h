#pragma once

#include "core/files/text_file.h"
#include "vbs/locale.h"
#include "vbs/object.h"

#include <QString>

#include <functional>

namespace tabulo {

class NoteSession;

// The note as scripts reach it under the name "Text": a text box with
// `Text` (also its default member), `SelStart`, `SelLength` and `SelText`.
// Every change goes through the note session, so a script's assignment is one
// recorded, evaluated change that Undo takes back, and the totals follow.
// Positions and lengths count each line end as two characters (CR LF), as the
// text a script reads does.
class NoteTextObject final : public vbs::Object
{
public:
    // The description of the error that refuses a note too large or with a
    // line too long to show; the output window puts the user's language in
    // its place.
    static constexpr std::u16string_view tooLongDescription
        = u"Out of memory: the note would hold more text, or a longer line, than Tabulo can show";
    struct Selection
    {
        qsizetype start = 0;
        qsizetype length = 0;
    };
    // The selection of the editor the user sees, in the note's positions.
    struct Binding
    {
        NoteSession *session = nullptr;
        std::function<Selection()> selection;
        std::function<void(Selection)> select;
    };

    NoteTextObject(Binding binding, vbs::Locale locale);

    std::u16string typeName() const override { return u"TextBox"; }
    vbs::Value invoke(std::u16string_view name, vbs::Args args) override;
    void assign(std::u16string_view name, vbs::Args args, const vbs::Value &value, bool isSet) override;

    // The longest text a script may put in the note: the largest note the
    // program opens from a file.
    static qsizetype maxLength();
    // The longest line, as for a note opened from a file: a script that
    // joined a note into one line of megabytes would freeze the window.
    static constexpr qsizetype maxLineLength = maxNoteLineLength;

private:
    Selection selection() const;
    void select(qsizetype start, qsizetype length);
    QString checkedText(const vbs::Value &value) const;
    // Refuses the change when the note's text would pass the limits.
    void checkReplacement(qsizetype start, qsizetype length, const QString &inserted) const;

    Binding m_binding;
    vbs::Locale m_locale;
};

} // namespace tabulo
