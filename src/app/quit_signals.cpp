#include "app/quit_signals.h"

#include <fcntl.h>
#include <unistd.h>

#include <QSocketNotifier>

#include <cerrno>

namespace fenx {
namespace {

// Write end of the pipe for the handler; -1 while no watcher exists.
volatile sig_atomic_t gQuitPipeWriteEnd = -1;

extern "C" void OnQuitSignal(int) {
    const int savedErrno = errno;
    const char byte = 1;
    const int fd = gQuitPipeWriteEnd;
    if (fd >= 0) {
        // A full pipe already holds a request; losing this byte is fine.
        [[maybe_unused]] const ssize_t written = ::write(fd, &byte, 1);
    }
    errno = savedErrno;
}

} // namespace

QuitSignals::QuitSignals(QObject* parent) : QObject(parent) {
    if (gQuitPipeWriteEnd >= 0 || ::pipe2(pipe_, O_CLOEXEC | O_NONBLOCK) != 0) {
        pipe_[0] = pipe_[1] = -1;
        return;
    }
    gQuitPipeWriteEnd = pipe_[1];
    notifier_ = new QSocketNotifier(pipe_[0], QSocketNotifier::Read, this);
    connect(notifier_, &QSocketNotifier::activated, this, &QuitSignals::Drain);

    struct sigaction action {};
    action.sa_handler = &OnQuitSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    ::sigaction(SIGINT, &action, &previousInterrupt_);
    ::sigaction(SIGTERM, &action, &previousTerminate_);
    ::sigaction(SIGHUP, &action, &previousHangUp_); // the terminal was closed
}

QuitSignals::~QuitSignals() {
    if (!notifier_) {
        return;
    }
    ::sigaction(SIGINT, &previousInterrupt_, nullptr);
    ::sigaction(SIGTERM, &previousTerminate_, nullptr);
    ::sigaction(SIGHUP, &previousHangUp_, nullptr);
    gQuitPipeWriteEnd = -1;
    delete notifier_;
    ::close(pipe_[0]);
    ::close(pipe_[1]);
}

void QuitSignals::Drain() {
    char buffer[64];
    while (::read(pipe_[0], buffer, sizeof buffer) > 0) {
    }
    emit quitRequested();
}

} // namespace fenx
