#include "windows/main/form1.h"

#include "windows/main/new_instance.h"
#include "windows/main/note_editor.h"
#include "windows/main/tray_behaviour.h"
#include "windows/main/window_options.h"

#include <QAction>

namespace tabulo {

void Form1::buildWindowBehaviours()
{
    m_tray = new TrayBehaviour(
        this, m_trayBar, action(QStringLiteral("Mostra")), m_context.desktop, [this] { visibleEditor()->setFocus(); });
    m_windowOptions = new WindowOptions(
        this, action(QStringLiteral("SempreInPrimoPianoX")), action(QStringLiteral("TrasparenteX")));
    connect(action(QStringLiteral("NuovaIstanzaX")), &QAction::triggered, this,
        [this] { NuovaIstanzaX_Click(m_context, this); });
}

void Form1::OnTrayBar_Timer()
{
    OnTrayBar.stop();
    m_tray->TrayBar_Click();
}

} // namespace tabulo
