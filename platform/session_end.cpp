#include "platform/session_end.h"

#include <QSocketNotifier>

#include <utility>

#include <csignal>
#include <sys/socket.h>
#include <unistd.h>

namespace {
// The handler's end of the pipe and the event loop's.
int pipeEnds[2] = {-1, -1};
constexpr int EndingSignals[] = {SIGTERM, SIGHUP, SIGINT};

void onSignal(int)
{
    const char byte = 1;
    [[maybe_unused]] const ssize_t written = ::write(pipeEnds[0], &byte, 1);
}
}  // namespace

SessionEndWatcher::SessionEndWatcher(QObject* parent) : QObject(parent)
{
    if (::socketpair(AF_UNIX, SOCK_STREAM, 0, pipeEnds) != 0)
        return;  // the program runs on, ended by a signal as any program is
    notifier_ = new QSocketNotifier(pipeEnds[1], QSocketNotifier::Read, this);
    connect(notifier_, &QSocketNotifier::activated, this, [this] {
        char byte = 0;
        [[maybe_unused]] const ssize_t got = ::read(pipeEnds[1], &byte, 1);
        emit sessionEnding();
    });
    struct sigaction action = {};
    action.sa_handler = onSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (const int s : EndingSignals)
        ::sigaction(s, &action, nullptr);
}

SessionEndWatcher::~SessionEndWatcher()
{
    for (const int s : EndingSignals)
        std::signal(s, SIG_DFL);
    delete notifier_;
    for (int& end : pipeEnds)
        if (end >= 0)
            ::close(std::exchange(end, -1));
}
