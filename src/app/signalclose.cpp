#include "app/signalclose.h"

#include <QSocketNotifier>
#include <csignal>
#include <sys/socket.h>
#include <unistd.h>

namespace {

int gSignalPipe[2] = {-1, -1};

void OnSignal(int)
{
    const char byte = 1;
    // Nothing else is safe in a signal handler; a full pipe already holds a pending request.
    [[maybe_unused]] ssize_t written = ::write(gSignalPipe[0], &byte, 1);
}

void Install(void (*handler)(int))
{
    struct sigaction action {};
    action.sa_handler = handler;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    sigaction(SIGTERM, &action, nullptr);
    sigaction(SIGINT, &action, nullptr);
}

} // namespace

TSignalCloser::TSignalCloser(std::function<void()> onSignal, QObject *parent)
    : QObject(parent), fOnSignal(std::move(onSignal))
{
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0, gSignalPipe) != 0)
        return; // without the pipe the default handlers stay: the program still ends
    fNotifier = new QSocketNotifier(gSignalPipe[1], QSocketNotifier::Read, this);
    connect(fNotifier, &QSocketNotifier::activated, this, &TSignalCloser::ReadSignal);
    Install(OnSignal);
}

TSignalCloser::~TSignalCloser()
{
    if (!fNotifier)
        return;
    Install(SIG_DFL);
    ::close(gSignalPipe[0]);
    ::close(gSignalPipe[1]);
    gSignalPipe[0] = gSignalPipe[1] = -1;
}

void TSignalCloser::ReadSignal()
{
    char byte = 0;
    if (::read(gSignalPipe[1], &byte, 1) == 1 && fOnSignal)
        fOnSignal();
}
