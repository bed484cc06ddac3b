// The play timer: a tick every 100 ms, and between ticks the extra frames a
// tick asks for, each at the clock reading it names. Both wait in the event
// loop, never in a busy loop. Nothing runs while the gate is shut (another
// application is active, or a menu is open): a tick is skipped, and a
// pending frame is dropped when its time comes.
#pragma once

#include <QObject>
#include <QTimer>

#include <cstdint>
#include <functional>
#include <optional>

namespace fenx {

class PlayTimer : public QObject {
    Q_OBJECT
  public:
    // A tick or a frame; returns the clock reading at which the next frame
    // is due, or nothing when the tick is done.
    using Frame = std::function<std::optional<uint32_t>()>;

    struct Hooks {
        Frame tick;
        Frame pacedFrame;
        std::function<uint32_t()> clock; // milliseconds, wrapping at 2^32
        std::function<bool()> open;      // the gate
    };

    static constexpr int kTickMs = 100;

    explicit PlayTimer(Hooks hooks, QObject* parent = nullptr);

    void Start();
    void Stop();
    bool FramePending() const { return pacing_.isActive(); }

  private:
    void OnTick();
    void OnPacingDue();
    void Schedule(std::optional<uint32_t> due);

    Hooks hooks_;
    QTimer ticks_;
    QTimer pacing_;
};

} // namespace fenx
