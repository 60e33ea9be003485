#include "note_text_object.h"

#include "host_members.h"

#include "files/text_file.h"
#include "session/note_session.h"

#include <algorithm>

namespace tabulo {

namespace {

enum class Member { Text, SelStart, SelLength, SelText };

Member memberOf(std::u16string_view name)
{
    if (name.empty() || vbs::sameName(name, u"Text"))
        return Member::Text;
    if (vbs::sameName(name, u"SelStart"))
        return Member::SelStart;
    if (vbs::sameName(name, u"SelLength"))
        return Member::SelLength;
    if (vbs::sameName(name, u"SelText"))
        return Member::SelText;
    vbs::raise(vbs::err::NoSuchMember);
}

} // namespace

NoteTextObject::NoteTextObject(Binding binding, vbs::Locale locale)
    : m_binding(std::move(binding)), m_locale(std::move(locale))
{
}

qsizetype NoteTextObject::maxLength()
{
    return qsizetype(maxNoteBytes);
}

NoteTextObject::Selection NoteTextObject::selection() const
{
    const qsizetype size = m_binding.session->text().size();
    Selection s = m_binding.selection ? m_binding.selection() : Selection{};
    s.start = std::clamp<qsizetype>(s.start, 0, size);
    s.length = std::clamp<qsizetype>(s.length, 0, size - s.start);
    return s;
}

void NoteTextObject::select(qsizetype start, qsizetype length)
{
    if (m_binding.select)
        m_binding.select({start, length});
}

QString NoteTextObject::checkedText(const vbs::Value &value) const
{
    QString text = host::textOf(value, m_locale);
    // Refused before the note changes: a note this long would freeze the
    // window, and the script learns why.
    if (text.size() > maxLength())
        vbs::raise(vbs::err::OutOfMemory);
    return text;
}

vbs::Value NoteTextObject::invoke(std::u16string_view name, vbs::Args args)
{
    const Member member = memberOf(name);
    host::expectArgumentCount(args, 0);
    const QString &note = m_binding.session->text();
    switch (member) {
    case Member::Text:
        return host::text(note);
    case Member::SelStart:
        return vbs::Value::longValue(std::int32_t(selection().start));
    case Member::SelLength:
        return vbs::Value::longValue(std::int32_t(selection().length));
    case Member::SelText: {
        const Selection s = selection();
        return host::text(note.mid(s.start, s.length));
    }
    }
    return {};
}

void NoteTextObject::assign(std::u16string_view name, vbs::Args args, const vbs::Value &value, bool isSet)
{
    const Member member = memberOf(name);
    if (isSet)
        vbs::raise(vbs::err::NoSuchMember);
    host::expectArgumentCount(args, 0);
    NoteSession &session = *m_binding.session;
    const qsizetype size = session.text().size();
    switch (member) {
    case Member::Text:
        session.setText(checkedText(value));
        select(0, 0);
        return;
    case Member::SelStart: {
        // As in a text box: moving the start drops the selection.
        const int start = host::integerArgument(value);
        if (start < 0)
            host::invalidPropertyValue();
        select(std::min<qsizetype>(start, size), 0);
        return;
    }
    case Member::SelLength: {
        const int length = host::integerArgument(value);
        if (length < 0)
            host::invalidPropertyValue();
        const Selection s = selection();
        select(s.start, std::min<qsizetype>(length, size - s.start));
        return;
    }
    case Member::SelText: {
        const QString inserted = checkedText(value);
        const Selection s = selection();
        if (size - s.length + inserted.size() > maxLength())
            vbs::raise(vbs::err::OutOfMemory);
        const TextSplice splice = session.replace(s.start, s.length, inserted);
        select(splice.position + splice.inserted.size(), 0);
        return;
    }
    }
}

} // namespace tabulo
