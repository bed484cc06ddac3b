// How the frames of one play-timer tick are spaced. The timer ticks every
// 100 ms; within a tick the first frame runs at once, the second as soon as
// the clock has moved on from the tick's start, and each later one as soon
// as more than 10 ms have passed since the previous one started; the tick
// ends at the first clock reading 100 ms or more after it began (a frame
// due at that reading still runs). Clock readings wrap like a 32-bit
// counter and are compared by their signed difference.
//
// Nothing waits: the pacer says when the next frame is due, and the caller
// comes back at that reading.
#pragma once

#include <cstdint>
#include <optional>

namespace fenx {

class FramePacer {
  public:
    static constexpr uint32_t kTickLength = 100;
    static constexpr uint32_t kFrameSpacing = 10;

    // The tick that began at t0 has run its first frame and wants more.
    // Returns when the next frame is due.
    std::optional<uint32_t> BeginTick(uint32_t t0);

    // Whether a frame runs at this clock reading. When it does, the caller
    // runs it and then reports with FrameDone.
    bool FrameDue(uint32_t now) const;
    // A frame ran at `now`: when the next one is due, or nothing once the
    // tick is over.
    std::optional<uint32_t> FrameDone(uint32_t now);
    // Called at a reading at which no frame was due: when to come back, or
    // nothing once the tick is over.
    std::optional<uint32_t> NotDue(uint32_t now);

    void Stop() { pending_ = false; }
    bool pending() const { return pending_; }

  private:
    std::optional<uint32_t> NextDue();

    uint32_t tickStart_ = 0;
    uint32_t next_ = 0; // a frame runs once the clock is past this reading
    bool pending_ = false;
};

} // namespace fenx
