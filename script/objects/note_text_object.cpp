#include "script/objects/note_text_object.h"

#include "script/objects/host_members.h"

#include "core/files/text_file.h"
#include "core/session/note_session.h"

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

bool isLineEnd(QChar c)
{
    return c == u'\r' || c == u'\n';
}

// The longest run without a line end in `text`, with `before` characters
// joined to its first line and `after` to its last.
qsizetype longestLine(QStringView text, qsizetype before, qsizetype after)
{
    qsizetype longest = 0;
    qsizetype current = before;
    for (const QChar c : text) {
        if (isLineEnd(c)) {
            longest = std::max(longest, current);
            current = 0;
        } else {
            ++current;
        }
    }
    return std::max(longest, current + after);
}

[[noreturn]] void tooLong()
{
    vbs::raise(vbs::err::OutOfMemory, std::u16string(NoteTextObject::tooLongDescription));
}

} // namespace

NoteTextObject::NoteTextObject(Binding binding, vbs::Locale locale)
    : m_binding(std::move(binding))
    , m_locale(std::move(locale))
{
}

qsizetype NoteTextObject::maxLength()
{
    return qsizetype(maxNoteBytes);
}

NoteTextObject::Selection NoteTextObject::selection() const
{
    const qsizetype size = m_binding.session->text().size();
    Selection s = m_binding.selection ? m_binding.selection() : Selection {};
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
    if (text.size() > maxLength())
        tooLong();
    return text;
}

void NoteTextObject::checkReplacement(qsizetype start, qsizetype length, const QString &inserted) const
{
    // Refused before the note changes, so the script learns why and the
    // window never freezes on what it was given.
    const QString &note = m_binding.session->text();
    if (note.size() - length + inserted.size() > maxLength())
        tooLong();
    qsizetype before = 0;
    while (start - before > 0 && !isLineEnd(note[start - before - 1]))
        ++before;
    qsizetype after = 0;
    while (start + length + after < note.size() && !isLineEnd(note[start + length + after]))
        ++after;
    if (longestLine(inserted, before, after) > maxLineLength)
        tooLong();
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
    case Member::Text: {
        const QString text = checkedText(value);
        checkReplacement(0, size, text);
        session.setText(text);
        select(0, 0);
        return;
    }
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
        checkReplacement(s.start, s.length, inserted);
        const TextSplice splice = session.replace(s.start, s.length, inserted);
        select(splice.position + splice.inserted.size(), 0);
        return;
    }
    }
}

} // namespace tabulo
