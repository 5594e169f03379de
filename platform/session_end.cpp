#include "platform/session_end.h"

#include <QCoreApplication>
#include <QEvent>
#include <QSocketNotifier>

#include <utility>

#include <X11/ICE/ICElib.h>
#include <csignal>
#include <sys/socket.h>
#include <unistd.h>

namespace {
// The handlers' end of the pipe and the event loop's.
int pipeEnds[2] = {-1, -1};
constexpr int EndingSignals[] = {SIGTERM, SIGHUP, SIGINT};
IceIOErrorHandler previousIceHandler = nullptr;

void restoreDefaultActions()
{
    for (const int s : EndingSignals)
        std::signal(s, SIG_DFL);
}

void tellEventLoop()
{
    const char byte = 1;
    [[maybe_unused]] const ssize_t written = ::write(pipeEnds[0], &byte, 1);
}

void onSignal(int)
{
    restoreDefaultActions();
    tellEventLoop();
}

// libICE goes on once this returns; the connection is dead and is never used again.
void onConnectionLost(IceConn) { tellEventLoop(); }
}  // namespace

SessionEndWatcher::SessionEndWatcher(QObject* parent) : QObject(parent)
{
    if (QCoreApplication* app = QCoreApplication::instance())
        app->installEventFilter(this);
    if (::socketpair(AF_UNIX, SOCK_STREAM, 0, pipeEnds) != 0)
        return;  // the program runs on, ended by a signal as any program is
    notifier_ = new QSocketNotifier(pipeEnds[1], QSocketNotifier::Read, this);
    connect(notifier_, &QSocketNotifier::activated, this, [this] {
        char byte = 0;
        [[maybe_unused]] const ssize_t got = ::read(pipeEnds[1], &byte, 1);
        restoreDefaultActions();
        emit sessionEnding();
    });
    struct sigaction action = {};
    action.sa_handler = onSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (const int s : EndingSignals)
        ::sigaction(s, &action, nullptr);
    previousIceHandler = IceSetIOErrorHandler(onConnectionLost);
}

SessionEndWatcher::~SessionEndWatcher()
{
    if (notifier_)
        IceSetIOErrorHandler(previousIceHandler);
    restoreDefaultActions();
    delete notifier_;
    for (int& end : pipeEnds)
        if (end >= 0)
            ::close(std::exchange(end, -1));
}

// The session manager's "die" reaches the program as Qt's request to quit, which would close
// every window and ask its questions: the session's end asks none.
bool SessionEndWatcher::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != QCoreApplication::instance() || event->type() != QEvent::Quit)
        return QObject::eventFilter(watched, event);
    restoreDefaultActions();
    emit sessionEnding();
    return true;
}
