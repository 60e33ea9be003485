#include "form1.h"

#include "services/prompts.h"

#include <QDir>

namespace tabulo {

void Form1::openNoteDialog()
{
}

void Form1::openSaveDialog()
{
    const auto chosen = m_context.prompts->askSavePath(this, QDir::homePath());
    if (!chosen) {
        // Nothing was saved: neither a waiting New nor a waiting quit goes on.
        m_session.NuovoFile = false;
        m_session.NuovoFileInUscita = false;
        return;
    }
    QString path = *chosen;
    if (!path.endsWith(QLatin1String(".txt"), Qt::CaseInsensitive))
        path += QLatin1String(".txt");
    saveNoteAs(path);
}

} // namespace tabulo
