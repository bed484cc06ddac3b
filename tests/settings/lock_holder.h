// Another program holding the advisory lock of a file for a few seconds, as
// a stuck copy of the game or anything else might.
#pragma once

#include <fcntl.h>
#include <sys/file.h>
#include <sys/wait.h>
#include <unistd.h>

#include <string>

namespace fenx {

class LockHolder {
  public:
    // Returns once the other process holds the lock on `path` (created when
    // missing); it lets go after `seconds`.
    LockHolder(const std::string& path, unsigned seconds) {
        if (::pipe(told_) != 0) {
            return;
        }
        holder_ = ::fork();
        if (holder_ == 0) {
            const int fd = ::open(path.c_str(), O_RDWR | O_CREAT, 0600);
            ::flock(fd, LOCK_EX);
            [[maybe_unused]] const ssize_t locked = ::write(told_[1], "L", 1);
            ::sleep(seconds);
            [[maybe_unused]] const ssize_t released = ::write(told_[1], "R", 1);
            ::_exit(0);
        }
        char byte = 0;
        held_ = holder_ > 0 && ::read(told_[0], &byte, 1) == 1;
        ::fcntl(told_[0], F_SETFL, O_NONBLOCK);
    }
    ~LockHolder() { WaitUntilReleased(); }
    LockHolder(const LockHolder&) = delete;
    LockHolder& operator=(const LockHolder&) = delete;

    bool held() const { return held_; }
    // Whether the holder has let go yet; asks without waiting.
    bool Released() {
        char byte = 0;
        return ::read(told_[0], &byte, 1) == 1;
    }
    void WaitUntilReleased() {
        if (holder_ > 0) {
            ::waitpid(holder_, nullptr, 0);
            holder_ = -1;
            ::close(told_[0]);
            ::close(told_[1]);
        }
    }

  private:
    int told_[2] = {-1, -1};
    pid_t holder_ = -1;
    bool held_ = false;
};

} // namespace fenx
