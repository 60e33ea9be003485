#include "script/run/script_run.h"

#include "script/objects/dir_list_object.h"
#include "script/objects/drive_list_object.h"
#include "script/objects/file_list_object.h"
#include "script/objects/list_box_object.h"
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
        error.description = u"Out of memory: a line of the output is longer than Tabulo can show";
        outcome.error = error;
    }
    return outcome;
}

QString outputWithError(
    const ScriptRun::Outcome &outcome, const QString &errorTemplate, const QString &stoppedDescription)
{
    if (!outcome.error)
        return outcome.output;
    const vbs::ScriptError &error = *outcome.error;
    QString output = outcome.output;
    if (!output.isEmpty() && !output.endsWith(QStringLiteral("\r\n")))
        output += QStringLiteral("\r\n");
    const QString description
        = error.number == vbs::err::Interrupted ? stoppedDescription : QString::fromStdU16String(error.description);
    // An error found after the run has no line of its own: the last one.
    return output
        + QString(errorTemplate)
              .arg(QString::number(error.number), QString::number(std::max(error.line, 1)),
                  QString::number(std::max(error.column, 1)), description);
}

} // namespace tabulo
