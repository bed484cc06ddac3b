#include "play/frame_pacer.h"

namespace fenx {
namespace {

// a - b as a signed distance on the wrapping clock.
int32_t Ahead(uint32_t a, uint32_t b) {
    return static_cast<int32_t>(a - b);
}

} // namespace

std::optional<uint32_t> FramePacer::BeginTick(uint32_t t0) {
    tickStart_ = t0;
    next_ = t0;
    pending_ = true;
    return NextDue();
}

bool FramePacer::FrameDue(uint32_t now) const {
    return pending_ && Ahead(now, next_) > 0;
}

std::optional<uint32_t> FramePacer::FrameDone(uint32_t now) {
    next_ = now + kFrameSpacing;
    if (Ahead(now, tickStart_ + kTickLength) >= 0) {
        pending_ = false;
        return std::nullopt;
    }
    return NextDue();
}

std::optional<uint32_t> FramePacer::NotDue(uint32_t now) {
    if (!pending_ || Ahead(now, tickStart_ + kTickLength) >= 0) {
        pending_ = false;
        return std::nullopt;
    }
    return NextDue();
}

// A clock read at every millisecond reaches next + 1 before the tick's end
// only when next + 1 is at most t0 + 100; after that reading no frame is due.
std::optional<uint32_t> FramePacer::NextDue() {
    const uint32_t due = next_ + 1;
    if (Ahead(due, tickStart_ + kTickLength) > 0) {
        pending_ = false;
        return std::nullopt;
    }
    return due;
}

} // namespace fenx
