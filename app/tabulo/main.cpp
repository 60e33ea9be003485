// Tabulo_Bt and Tabulo_Top: the same program, built with the totals band at
// the bottom or with the first total in a band at the top.

#include "app/tabulo/quit_when_shown.h"
#include "core/language/language_locales.h"
#include "core/language/language_texts.h"
#include "core/settings/program_folders.h"
#include "ui/language/toolkit_translations.h"
#include "ui/services/desktop.h"
#include "ui/services/prompts.h"
#include "windows/main/form1.h"

#include <QApplication>
#include <QGuiApplication>
#include <QScreen>

#include <csignal>
#include <cstdio>
#include <cstdlib>

#ifndef TABULO_TOTAL_AT_TOP
#define TABULO_TOTAL_AT_TOP 0
#endif

namespace {

bool displayAvailable()
{
    const char *platform = std::getenv("QT_QPA_PLATFORM");
    if (platform && *platform)
        return true; // offscreen, vnc, ...: the caller knows what it asked for
    return (std::getenv("DISPLAY") && *std::getenv("DISPLAY"))
        || (std::getenv("WAYLAND_DISPLAY") && *std::getenv("WAYLAND_DISPLAY"));
}

} // namespace

int main(int argc, char *argv[])
{
    if (!displayAvailable()) {
        std::fprintf(stderr,
            "Tabulo is a desktop program and needs a display, but none is set (DISPLAY is empty).\n"
            "Start it inside a virtual display instead, for example:  xvfb-run -a %s\n",
            argv[0]);
        return 1;
    }
#ifdef SIGPIPE
    // Started by the launcher, the program inherits standard channels that
    // may close long before it does (a pipe whose reader was the launcher's
    // caller). A message written there then must fail quietly, not end the
    // program with the note in it.
    std::signal(SIGPIPE, SIG_IGN);
#endif
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tabulo"));
    // The version each variant has always carried.
    QApplication::setApplicationVersion(TABULO_TOTAL_AT_TOP ? QStringLiteral("5.00") : QStringLiteral("3.00"));

    const tabulo::ProgramFolders folders = tabulo::locateProgramFolders(QCoreApplication::applicationDirPath());
    const QString desktopLanguage
        = tabulo::desktopLanguage([](const char *name) { return qEnvironmentVariable(name); }).value_or(QString());
    if (const tabulo::FileResult seeded = tabulo::seedDataFolder(folders, desktopLanguage); !seeded.ok)
        std::fprintf(stderr, "Tabulo could not set up its data folder completely: %s\n", qPrintable(seeded.error));

    // The toolkit's texts are in the note's language from the first window on.
    tabulo::ToolkitTranslations toolkitTranslations(&app);
    toolkitTranslations.follow(tabulo::languageFiles::readCurrentName(folders.dataFolder()));

    tabulo::DialogPrompts prompts;
    tabulo::SystemDesktop desktop;
    tabulo::ProgramContext context;
    context.programFolder = folders.programFolder;
    context.writableFolder = folders.writableFolder;
    context.variant = TABULO_TOTAL_AT_TOP ? tabulo::LayoutVariant::TotalAtTop : tabulo::LayoutVariant::TotalsAtBottom;
    context.arguments = app.arguments().mid(1);
    context.locale = QLocale::system();
    context.prompts = &prompts;
    context.desktop = &desktop;
    context.toolkitTranslations = &toolkitTranslations;

    tabulo::Form1 window(context);
    const auto quitWhenShown = tabulo::QuitWhenShown::fromEnvironment(window);
    // The window starts centred on the screen; a stored placement moves it
    // once it is up.
    if (const QScreen *screen = QGuiApplication::primaryScreen()) {
        QRect frame = window.frameGeometry();
        frame.moveCenter(screen->availableGeometry().center());
        window.move(frame.topLeft());
    }
    window.show();
    const int exitCode = app.exec();
    if (quitWhenShown)
        quitWhenShown->writeReport();
    return exitCode;
}
