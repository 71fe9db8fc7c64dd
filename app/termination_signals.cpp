#include "app/termination_signals.h"

#include <QSocketNotifier>

#include <cerrno>
#include <csignal>
#include <utility>

#include <sys/socket.h>
#include <unistd.h>

namespace vorlant {
namespace {

constexpr int kSignals[] = {SIGTERM, SIGINT, SIGHUP};

// The handler may only write to a descriptor; the notifier reads it in the event loop. The
// write end never blocks: a handler stuck on a full socket would stop the program for good.
int gSignalSocket[2] = {-1, -1};
// The first signal ends the program; any later one finds it ending already.
volatile std::sig_atomic_t gSignalled = 0;

extern "C" void ForwardSignal(int)
{
    if (gSignalled)
        return;
    gSignalled = 1;
    // The interrupted code may be about to read errno.
    const int savedErrno = errno;
    const char byte = 1;
    [[maybe_unused]] const ssize_t ignored = ::write(gSignalSocket[0], &byte, 1);
    errno = savedErrno;
}

} // namespace

TerminationSignals::TerminationSignals(std::function<void()> onSignal, QObject *parent)
    : QObject(parent), onSignal_(std::move(onSignal))
{
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0, gSignalSocket) != 0)
        return; // the signals keep their default action
    gSignalled = 0;
    notifier_ = new QSocketNotifier(gSignalSocket[1], QSocketNotifier::Read, this);
    connect(notifier_, &QSocketNotifier::activated, this, [this] {
        char byte = 0;
        if (::read(gSignalSocket[1], &byte, 1) == 1 && onSignal_)
            std::exchange(onSignal_, nullptr)();
    });
    struct sigaction action = {};
    action.sa_handler = ForwardSignal;
    sigemptyset(&action.sa_mask);
    for (int signal : kSignals) // one handler at a time
        sigaddset(&action.sa_mask, signal);
    action.sa_flags = SA_RESTART;
    for (int signal : kSignals)
        ::sigaction(signal, &action, nullptr);
}

TerminationSignals::~TerminationSignals()
{
    if (!notifier_)
        return;
    for (int signal : kSignals)
        std::signal(signal, SIG_DFL);
    delete notifier_;
    ::close(gSignalSocket[0]);
    ::close(gSignalSocket[1]);
    gSignalSocket[0] = gSignalSocket[1] = -1;
}

} // namespace vorlant
