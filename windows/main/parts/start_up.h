#pragma once

#include "core/settings/main_window_settings.h"
#include "ui/services/program_context.h"

#include <QObject>
#include <QTimer>

#include <functional>

class QLabel;

namespace tabulo {

class Documents;
class MainWindowLanguage;
class MainWindowTheme;
class NoteRecovery;
class NoteSession;
class NoteView;

// The main window's start: `Form_Load` shows the note named on the command
// line (or an untitled one), then `Start_Timer`, once the window is up,
// applies the theme, the language and the settings of the last quit,
// writes the start header into a fresh note and offers back what a program
// that ended without quitting left unsaved.
class StartUp : public QObject
{
    Q_OBJECT
public:
    struct Parts
    {
        NoteView *view = nullptr;
        Documents *documents = nullptr;
        MainWindowTheme *theme = nullptr;
        MainWindowLanguage *language = nullptr;
        NoteRecovery *recovery = nullptr;
    };
    // `applySettings` puts the settings read at start-up on the window.
    StartUp(const ProgramContext &context, NoteSession &session, Parts parts, QLabel *selectionPanel,
        std::function<void(const MainWindowSettings &)> applySettings);

    void Form_Load();
    void Start_Timer();
    // True until Start_Timer has run.
    bool isStarting() const { return Start.isActive(); }

    // The two comment lines written into a fresh note at start-up.
    static QString startHeader();

private:
    void loadCommandLineNote();

    const ProgramContext &m_context;
    NoteSession &m_session;
    Parts m_parts;
    QLabel *m_selectionPanel;
    std::function<void(const MainWindowSettings &)> m_applySettings;
    QTimer Start;
};

} // namespace tabulo
