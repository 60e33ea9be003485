#include "core/engine/working_files.h"

#include "core/engine/line_engine.h"
#include "core/files/text_codec.h"

#include <QFile>

namespace tabulo {

void WorkingFiles::writeEvaluation(QStringView evaluatedText)
{
    m_worker.finish();
    LineEngine::normaliseInto(evaluatedText, m_normalised);
    storeNormalised();
}

void WorkingFiles::writeEvaluationLater(QString evaluatedText)
{
    m_worker.ask([this, text = std::move(evaluatedText)]() mutable {
        LineEngine::normaliseInto(text, m_normalised);
        // The note is let go before the slow part, the disk: a key typed
        // meanwhile then changes it without copying it first.
        text = QString();
        storeNormalised();
    });
}

void WorkingFiles::storeNormalised()
{
    // The normalised lines go to "Temp2.cal", which then takes the name
    // "Temp.cal": the same end state as writing the text out first and
    // normalising it from there.
    QFile next(temp2Cal());
    if (!next.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return;
    encodeTextInto(m_normalised, m_bytes);
    const bool written = next.write(m_bytes) == m_bytes.size();
    next.close();
    if (!written) {
        QFile::remove(temp2Cal());
        return;
    }
    QFile::remove(tempCal());
    QFile::rename(temp2Cal(), tempCal());
}

} // namespace tabulo
