#include "script/run/script_run.h"

#include "core/files/text_file.h"
#include "core/language/language_keys.h"
#include "script/objects/dir_list_object.h"
#include "script/objects/drive_list_object.h"
#include "script/objects/file_list_object.h"
#include "script/objects/list_box_object.h"
#include "script/objects/note_text_object.h"
#include "script/objects/script_locale.h"

#include <algorithm>

namespace tabulo {

ScriptRun::ScriptRun(const QLocale &locale, WindowObjects window, const QString &startFolder, vbs::UiCallbacks dialogs)
    : m_engine(scriptLocale(locale))
{
    m_engine.SetUiCallbacks(std::move(dialogs));
    const vbs::Locale &scriptSettings = m_engine.locale();
    m_echo = std::make_shared<EchoObject>(scriptSettings);
    m_engine.Reset();
    m_engine.AddObject(u"Tabulo", std::move(window.tabulo));
    m_engine.AddObject(u"Text", std::move(window.text));
    m_engine.AddObject(u"TotX", std::move(window.totX));
    m_engine.AddObject(u"TotY", std::move(window.totY));
    m_engine.AddObject(u"Echo", m_echo);
    m_engine.AddObject(u"ListBox", std::make_shared<ListBoxObject>(false, scriptSettings));
    m_engine.AddObject(u"ListBoxSort", std::make_shared<ListBoxObject>(true, scriptSettings));
    m_engine.AddObject(u"VbDrive", std::make_shared<DriveListObject>());
    m_engine.AddObject(u"VbDir", std::make_shared<DirListObject>(startFolder));
    m_engine.AddObject(u"VbFiles", std::make_shared<FileListObject>(startFolder));
    m_engine.SetTimeout(timeLimitMilliseconds);
}

ScriptRun::Outcome ScriptRun::run(const QString &script, std::function<bool()> interruptCheck)
{
    m_echo->clear();
    m_engine.SetInterruptCheck(std::move(interruptCheck));
    const vbs::Result result = m_engine.AddCode(script.toStdU16String());
    m_engine.SetInterruptCheck({});
    Outcome outcome {m_echo->text(), std::nullopt};
    if (!result)
        outcome.error = result.error;
    // A line the output box could not lay out without freezing is left out
    // with what follows it, and the run ends as if that write had failed.
    if (const qsizetype tooLong = m_echo->firstLineTooLong(); tooLong >= 0) {
        outcome.output.truncate(tooLong);
        vbs::ScriptError error;
        error.number = vbs::err::OutOfMemory;
        error.description = std::u16string(EchoObject::lineTooLongDescription);
        outcome.error = error;
    }
    return outcome;
}

QString scriptErrorDescription(const vbs::ScriptError &error, const LanguageTextLookup &text)
{
    // The two errors of this program's own objects.
    if (error.number == vbs::err::OutOfMemory && error.description == EchoObject::lineTooLongDescription)
        return text(LanguageKeys::scriptOutputLineTooLong).arg(maxNoteLineLength);
    if (error.number == vbs::err::OutOfMemory && error.description == NoteTextObject::tooLongDescription)
        return text(LanguageKeys::scriptNoteTooLong);
    const std::u16string_view standard = vbs::errorDescription(error.number);
    if (!standard.empty() && error.description == standard) {
        const QString translated = text(LanguageKeys::scriptErrorBase + error.number);
        if (!translated.isEmpty())
            return translated;
    }
    return QString::fromStdU16String(error.description);
}

QString outputWithError(const ScriptRun::Outcome &outcome, const LanguageTextLookup &text)
{
    if (!outcome.error)
        return outcome.output;
    const vbs::ScriptError &error = *outcome.error;
    QString output = outcome.output;
    if (!output.isEmpty() && !output.endsWith(QStringLiteral("\r\n")))
        output += QStringLiteral("\r\n");
    if (error.number == vbs::err::Interrupted)
        return output + text(LanguageKeys::scriptStopped);
    if (error.number == vbs::err::TimedOut)
        return output + text(LanguageKeys::scriptTimedOut).arg(ScriptRun::timeLimitMilliseconds / 1000);
    // An error found after the run has no line of its own: the last one.
    return output
        + text(LanguageKeys::scriptError)
              .arg(QString::number(error.number), QString::number(std::max(error.line, 1)),
                  QString::number(std::max(error.column, 1)), scriptErrorDescription(error, text));
}

} // namespace tabulo
