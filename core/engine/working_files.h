#pragma once

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

    void writeEvaluation(QStringView evaluatedText) const;

    QString tempCal() const { return m_dataFolder + QStringLiteral("/Temp.cal"); }
    QString temp2Cal() const { return m_dataFolder + QStringLiteral("/Temp2.cal"); }

private:
    QString m_dataFolder;
    // Kept between evaluations: a keystroke in a big note then writes its
    // files without allocating fresh memory each time.
    mutable QString m_normalised;
    mutable QByteArray m_bytes;
};

} // namespace tabulo
