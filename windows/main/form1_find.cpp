#include "windows/find/form5.h"
#include "windows/main/form1.h"
#include "windows/main/note_editor.h"

#include <QAction>

namespace tabulo {

void Form1::connectFindAndReplace()
{
    connect(action(QStringLiteral("TrovaSostituisciX")), &QAction::triggered, this, &Form1::TrovaSostituisciX_Click);
}

void Form1::TrovaSostituisciX_Click()
{
    // One find window at a time: a second opening brings it forward with
    // the current selection as its search text.
    Form5 *window = findChild<Form5 *>(QString(), Qt::FindDirectChildrenOnly);
    if (!window) {
        Form5::Host host;
        host.session = &m_session;
        host.visibleEditor = [this]() -> QPlainTextEdit * { return visibleEditor(); };
        host.prompts = m_context.prompts;
        host.dataFolder = m_context.dataFolder();
        window = new Form5(std::move(host), this);
    }
    window->showOver(this);
}

} // namespace tabulo
