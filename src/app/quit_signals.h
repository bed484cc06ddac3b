// Ctrl+C, SIGTERM and SIGHUP (the terminal closed) end the program the ordinary way, through the
// main window's close, so the history line of the stage in play is written. A lost display
// ends it through exit() from inside the window system's library; ExitGuard catches that.
//
// A signal handler may do almost nothing, so it only writes a byte into a
// pipe; the event loop watches the other end and reports the request. The
// handler needs the pipe's descriptor without arguments, so that one number
// is process-wide; only one watcher may exist at a time.
#pragma once

#include <QObject>

#include <csignal>
#include <functional>

class QSocketNotifier;

namespace fenx {

class QuitSignals : public QObject {
    Q_OBJECT
  public:
    explicit QuitSignals(QObject* parent = nullptr);
    // Puts the earlier handlers back.
    ~QuitSignals() override;

    bool Installed() const { return notifier_ != nullptr; }

  signals:
    void quitRequested();

  private:
    void Drain();

    int pipe_[2] = {-1, -1};
    QSocketNotifier* notifier_ = nullptr;
    struct sigaction previousInterrupt_ {};
    struct sigaction previousTerminate_ {};
    struct sigaction previousHangUp_ {};
};

// While it lives, an exit() from anywhere (the window system's library calls
// it when the connection to the display breaks) first runs `lastWords`, so
// the game can still write its history line. Only one may exist at a time.
class ExitGuard {
  public:
    explicit ExitGuard(std::function<void()> lastWords);
    ~ExitGuard();
    ExitGuard(const ExitGuard&) = delete;
    ExitGuard& operator=(const ExitGuard&) = delete;
};

} // namespace fenx
