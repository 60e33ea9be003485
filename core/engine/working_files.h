#pragma once

#include "core/files/latest_only_worker.h"

#include <QString>
#include <QStringView>

namespace tabulo {

// The evaluation's working files in the Data folder: after each evaluation
// "Temp.cal" holds the normalised lines of the text just evaluated and
// "Temp2.cal" does not exist. Nothing in the program reads them back: the
// totals are computed in memory, so a missing or read-only Data folder only
// means the files are not written.
class WorkingFiles
{
public:
    explicit WorkingFiles(QString dataFolder)
        : m_dataFolder(std::move(dataFolder))
    {
    }

    // Writes them now, after any write still under way.
    void writeEvaluation(QStringView evaluatedText);
    // Writes them on a thread of their own, so that a big note's files
    // (tens of megabytes normalised) keep no key waiting. The text shares
    // the note's data; a write asked for later replaces one not yet begun.
    void writeEvaluationLater(QString evaluatedText);
    // Waits until the files are as last asked for.
    void finishWriting() { m_worker.finish(); }

    QString tempCal() const { return m_dataFolder + QStringLiteral("/Temp.cal"); }
    QString temp2Cal() const { return m_dataFolder + QStringLiteral("/Temp2.cal"); }

private:
    void storeNormalised();

    QString m_dataFolder;
    // Kept between evaluations: a keystroke in a big note then writes its
    // files without allocating fresh memory each time. Only one write runs
    // at a time, on the worker's thread or, after waiting for it, here.
    QString m_normalised;
    QByteArray m_bytes;
    LatestOnlyWorker m_worker; // last: its thread uses everything above
};

} // namespace tabulo
