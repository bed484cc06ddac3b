#include "app/quit_signals.h"

#include <fcntl.h>
#include <unistd.h>

#include <QSocketNotifier>

#include <cerrno>
#include <cstdlib>
#include <memory>
#include <utility>

namespace fenx {
namespace {

// Write end of the pipe for the handler; -1 while no watcher exists.
volatile sig_atomic_t gQuitPipeWriteEnd = -1;

// What the living ExitGuard runs at exit(); an exit handler takes no
// arguments, so this one is process-wide.
std::function<void()>* gLastWords = nullptr;

extern "C" void RunLastWords() {
    const std::unique_ptr<std::function<void()>> last(std::exchange(gLastWords, nullptr));
    if (last) {
        (*last)();
    }
}

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

ExitGuard::ExitGuard(std::function<void()> lastWords) {
    // exit() handlers cannot be taken back: one is installed for good, and
    // it does nothing while no guard lives.
    static const bool installed = std::atexit(RunLastWords) == 0;
    if (installed && gLastWords == nullptr) {
        gLastWords = new std::function<void()>(std::move(lastWords));
    }
}

ExitGuard::~ExitGuard() {
    delete std::exchange(gLastWords, nullptr);
}

void QuitSignals::Drain() {
    char buffer[64];
    while (::read(pipe_[0], buffer, sizeof buffer) > 0) {
    }
    emit quitRequested();
}

} // namespace fenx
