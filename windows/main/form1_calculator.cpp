#include "windows/main/form1.h"

#include "windows/main/note_editor.h"

#include <QAction>

namespace tabulo {

// The calculator writes into the note through the same road as typing, so
// its result is recorded, evaluated and undone like any other change.

void Form1::connectCalculator()
{
    connect(action(QStringLiteral("CalcolatriceX")), &QAction::triggered, this, &Form1::CalcolatriceX_Click);
}

void Form1::CalcolatriceX_Click()
{
    if (m_form7) {
        m_form7->raise();
        m_form7->activateWindow();
        return;
    }
    Form7::Host host;
    host.session = &m_session;
    host.prompts = m_context.prompts;
    host.dataFolder = m_context.dataFolder();
    host.locale = m_context.locale;
    host.editorFont = m_text1->font();
    host.insertIntoNote = [this](const QString &result) { replaceSelection(result); };
    m_form7 = new Form7(std::move(host), this);
    m_form7->show();
    QString caption = action(QStringLiteral("CalcolatriceX"))->text();
    caption.remove(QLatin1Char('&'));
    m_form7->setWindowTitle(QStringLiteral("Tabulo - ") + caption);
    m_form7->raise();
    m_form7->activateWindow();
}

void Form1::closeCalculator()
{
    if (m_form7)
        m_form7->close();
    m_form7 = nullptr; // deleted later; a new opening builds it afresh
}

} // namespace tabulo
