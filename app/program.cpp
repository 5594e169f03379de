#include "app/program.h"

#include "platform/alt_keys.h"
#include "platform/qt_printer.h"
#include "app/all_forms.h"
#include "shell/app_state.h"
#include "app/title_screen.h"

#include "app/main_menu.h"
#include "platform/session_end.h"

#include <QApplication>
#include <QDir>

int runProgram(int argc, char** argv, const Edition& edition)
{
    QApplication app(argc, argv);
    app.setApplicationName(edition.ProgramTitle);
    // The main menu's closing ends the program itself; hidden windows must not end it earlier.
    app.setQuitOnLastWindowClosed(false);
    keepAltKeysFromTyping(app);

    QtPrompter prompter(edition.ProgramTitle);
    SystemClock clock;
    QtProgramControl control;
    QtPrinting printing;
    QtTone tone;
    RandomSource random;
    Platform platform{prompter, clock, control, printing.device(), printing.dialog(), tone, random};
    AppState state(edition, platform, QDir::currentPath());
    registerForms(state);
    SessionEndWatcher watcher;
    QObject::connect(&watcher, &SessionEndWatcher::sessionEnding, [&state] { endDesktopSession(state); });
    startProgram(state);
    return app.exec();
}
