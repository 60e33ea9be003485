#include "core/session/note_session.h"

#include <QDate>

namespace tabulo {

namespace {

// The working files are for the curious, not for the program: they are
// written once the typing pauses rather than on every key.
constexpr int workingFilesDelayMs = 300;

} // namespace

NoteSession::NoteSession(const QLocale &locale, QString dataFolder, QObject *parent)
    : QObject(parent)
    , m_numberFormat(locale)
    , m_engine(m_numberFormat)
    , m_lines(m_engine)
    , m_workingFiles(std::move(dataFolder))
{
    m_workingFilesTimer.setSingleShot(true);
    m_workingFilesTimer.setInterval(workingFilesDelayMs);
    connect(&m_workingFilesTimer, &QTimer::timeout, this, [this] {
        m_workingFiles.writeEvaluationLater(m_evaluatedSelection ? *m_evaluatedSelection : m_text);
        emit editingPaused();
    });
    m_history.reset(m_text);
}

// ---- positions

qsizetype NoteSession::editorPosition(qsizetype notePosition) const
{
    notePosition = std::clamp<qsizetype>(notePosition, 0, m_text.size());
    const int line = m_lines.lineAt(notePosition);
    const qsizetype lineEnd = line + 1 < m_lines.lineCount() ? m_lines.lineStart(line + 1) - 2 : m_text.size();
    // A position between the CR and the LF of a line end counts as the end
    // of the line.
    return std::min(notePosition, lineEnd) - line;
}

qsizetype NoteSession::notePosition(qsizetype editorPosition) const
{
    // Line i begins at lineStart(i) - i in the editor: the largest line whose
    // editor start is not after the position holds it.
    int low = 0;
    int high = m_lines.lineCount() - 1;
    while (low < high) {
        const int middle = (low + high + 1) / 2;
        if (m_lines.lineStart(middle) - middle <= editorPosition)
            low = middle;
        else
            high = middle - 1;
    }
    return std::clamp<qsizetype>(editorPosition + low, 0, m_text.size());
}

// ---- changes

bool NoteSession::editorChanged(qsizetype editorPos, qsizetype editorRemoved, const QString &editorInserted)
{
    const qsizetype position = notePosition(editorPos);
    if (editorPos < 0 || editorRemoved < 0 || position != editorPos + m_lines.lineAt(position))
        return false;
    qsizetype end = position;
    for (qsizetype k = 0; k < editorRemoved; ++k) {
        if (end >= m_text.size())
            return false;
        end += m_text[end] == u'\r' && end + 1 < m_text.size() && m_text[end + 1] == u'\n' ? 2 : 1;
    }
    const TextSplice splice {position, end - position, withCrLfLineEnds(editorInserted)};
    if (splice.removedLength == 0 && splice.inserted.isEmpty())
        return true;
    Text1_Change(splice);
    emit viewChanged();
    return true;
}

void NoteSession::editorResynchronised(const QString &noteText)
{
    const TextSplice splice = spliceBetween(m_text, withCrLfLineEnds(noteText));
    if (splice.removedLength == 0 && splice.inserted.isEmpty())
        return;
    Text1_Change(splice);
    emit viewChanged();
}

TextSplice NoteSession::replace(qsizetype position, qsizetype removedLength, QStringView inserted)
{
    position = std::clamp<qsizetype>(position, 0, m_text.size());
    qsizetype end = std::clamp<qsizetype>(position + std::max<qsizetype>(removedLength, 0), position, m_text.size());
    // Line ends stay whole: a change never starts or ends inside a CR LF.
    auto insideLineEnd = [this](qsizetype at) {
        return at > 0 && at < m_text.size() && m_text[at - 1] == u'\r' && m_text[at] == u'\n';
    };
    if (insideLineEnd(position))
        --position;
    if (removedLength <= 0 || end <= position)
        end = position;
    else if (insideLineEnd(end))
        ++end;
    TextSplice splice {position, end - position, withCrLfLineEnds(inserted.toString())};
    if (splice.removedLength == 0 && splice.inserted.isEmpty())
        return splice;
    changeByCommand(splice);
    return splice;
}

void NoteSession::setText(const QString &text)
{
    const TextSplice splice = spliceBetween(m_text, withCrLfLineEnds(text));
    // Assigning the text the note already holds is no change at all.
    if (splice.removedLength == 0 && splice.inserted.isEmpty())
        return;
    changeByCommand(splice);
}

void NoteSession::apply(const TextSplice &splice)
{
    ++m_textVersion;
    m_text.replace(splice.position, splice.removedLength, splice.inserted);
    m_lines.update(m_text, splice.position, splice.removedLength, splice.inserted.size());
}

void NoteSession::changeByCommand(const TextSplice &splice)
{
    const qsizetype editorStart = editorPosition(splice.position);
    const qsizetype editorEnd = editorPosition(splice.position + splice.removedLength);
    Text1_Change(splice);
    emit textSpliced(splice, editorStart, editorEnd);
    emit viewChanged();
}

void NoteSession::Text1_Change(const TextSplice &splice)
{
    m_totX = QStringLiteral("0");
    m_totY = m_totX;
    apply(splice);
    if (m_caricamento) {
        m_historyFollowsText = false;
        return;
    }
    if (m_saltaCronologia) {
        // Undo or Redo putting back a recorded state: the history already
        // stands on it.
        m_saltaCronologia = false;
    } else {
        m_statusWord = m_testoModificato;
        if (m_groupDepth > 0)
            m_historyFollowsText = false; // the group records the whole once it ends
        else
            record(splice);
    }
    evaluateNote();
    setModi(true);
    scheduleWorkingFiles(std::nullopt);
}

void NoteSession::setModi(bool modified)
{
    if (m_modi == modified)
        return;
    m_modi = modified;
    emit modifiedChanged(modified);
}

void NoteSession::record(const TextSplice &splice)
{
    if (m_historyFollowsText)
        m_history.recordEdit(splice.position, splice.removedLength, splice.inserted);
    else
        m_history.record(m_text);
    m_historyFollowsText = true;
}

void NoteSession::evaluateNote()
{
    // Only the last running total is shown; a note in which no line counts
    // shows "0".
    if (m_lines.countedOperations() > 0)
        m_totX = m_numberFormat.format(m_lines.total());
    m_totY = m_totX;
}

// ---- history

bool NoteSession::restore(const std::optional<QString> &entry)
{
    if (!entry)
        return false;
    // The history now stands on the entry it gave back, if that holds a
    // state; otherwise the next change is found by comparing.
    m_historyFollowsText = m_history.holdsState(m_history.position());
    const TextSplice splice = spliceBetween(m_text, *entry);
    if (splice.removedLength == 0 && splice.inserted.isEmpty()) {
        // An entry equal to the note raises no change to consume the skip
        // flag; left set, it would swallow the next real edit.
        return true;
    }
    m_saltaCronologia = true;
    changeByCommand(splice);
    return true;
}

bool NoteSession::undo()
{
    return m_modi && m_groupDepth == 0 && restore(m_history.undo());
}

bool NoteSession::redo()
{
    return m_modi && m_groupDepth == 0 && restore(m_history.redo());
}

void NoteSession::beginChangeGroup()
{
    if (m_groupDepth++ > 0)
        return;
    m_groupBase = m_text;
    m_groupBaseFollowed = m_historyFollowsText;
}

void NoteSession::endChangeGroup()
{
    if (m_groupDepth == 0 || --m_groupDepth > 0)
        return;
    if (m_text == m_groupBase) {
        // Changed and changed back: the history stands where it stood.
        m_historyFollowsText = m_groupBaseFollowed;
    } else {
        m_history.record(m_text);
        m_historyFollowsText = true;
    }
    m_groupBase.clear();
}

void NoteSession::markModified()
{
    setModi(true);
    m_workingFilesTimer.start();
    emit viewChanged();
}

bool NoteSession::resetModiFor(quint64 version)
{
    if (version != m_textVersion)
        return false;
    resetModi();
    return true;
}

void NoteSession::resetModi()
{
    setModi(false);
    m_saltaCronologia = false;
    m_history.reset(m_text);
    m_historyFollowsText = true;
    // A group open across the reset records only what comes after it.
    m_groupBase = m_groupDepth > 0 ? m_text : QString();
    m_groupBaseFollowed = true;
    NuovoFile = false;
    m_statusWord = QStringLiteral("Ok");
    emit viewChanged();
}

// ---- totals

void NoteSession::setTotX(const QString &text)
{
    m_totX = text.isEmpty() ? QStringLiteral("0") : text;
    m_totY = m_totX;
    emit viewChanged();
}

void NoteSession::setTotY(const QString &text)
{
    m_totY = text;
    emit viewChanged();
}

void NoteSession::TotaleSelezione(QStringView selectedText)
{
    const Evaluation evaluation = m_engine.evaluate(selectedText);
    if (evaluation.countedLines > 0)
        m_totY = m_numberFormat.format(evaluation.total);
    scheduleWorkingFiles(selectedText.toString());
    emit viewChanged();
}

// ---- the note's file

void NoteSession::setCaption(const QString &caption)
{
    m_caption = caption;
    emit viewChanged();
}

bool NoteSession::hasFile() const
{
    const QString trimmed = m_caption.trimmed();
    return !trimmed.isEmpty() && !trimmed.startsWith(QLatin1String("Tabulo"));
}

QString NoteSession::untitledCaption()
{
    return QStringLiteral("Tabulo - notes that add up - \u00A9 the Tabulo developers ")
        + QString::number(QDate::currentDate().year());
}

FileResult NoteSession::load(const QString &path)
{
    FileResult failure;
    const auto text = readNoteFile(path, &failure);
    if (!text)
        return failure;
    loadText(*text, path);
    return FileResult::success();
}

void NoteSession::loadText(const QString &text, const QString &caption)
{
    // The text goes in whole with evaluation suspended (`Caricamento`), is
    // evaluated once, and the history starts from it.
    m_caricamento = true;
    const TextSplice whole {0, m_text.size(), withCrLfLineEnds(text)};
    const qsizetype oldEditorLength = editorLength();
    m_totX = QStringLiteral("0");
    m_totY = m_totX;
    m_text = whole.inserted;
    ++m_textVersion;
    m_lines.reset(m_text);
    m_historyFollowsText = false;
    emit textSpliced(whole, 0, oldEditorLength);
    m_caricamento = false;
    m_caption = caption;
    evaluateNote();
    scheduleWorkingFiles(std::nullopt);
    resetModi();
}

void NoteSession::restoreUnsaved(const QString &text, const QString &caption)
{
    loadText(text, caption);
    m_statusWord = m_testoModificato;
    setModi(true);
    emit viewChanged();
}

FileResult NoteSession::saveAs(const QString &path)
{
    FileResult saved = saveNoteFile(path, m_text);
    if (!saved.ok)
        return saved;
    m_caption = path;
    resetModi();
    return saved;
}

void NoteSession::PulisciNota()
{
    loadText(QString(), untitledCaption());
}

// ---- working files

void NoteSession::scheduleWorkingFiles(std::optional<QString> selection)
{
    m_evaluatedSelection = std::move(selection);
    m_workingFilesTimer.start();
}

void NoteSession::stopWorkingFiles()
{
    m_workingFilesTimer.stop();
    m_workingFiles.finishWriting();
}

void NoteSession::writeWorkingFiles()
{
    m_workingFilesTimer.stop();
    m_workingFiles.writeEvaluation(m_evaluatedSelection ? QStringView(*m_evaluatedSelection) : QStringView(m_text));
}

} // namespace tabulo
