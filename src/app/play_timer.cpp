#include "app/play_timer.h"

#include <utility>

namespace fenx {

PlayTimer::PlayTimer(Hooks hooks, QObject* parent) : QObject(parent), hooks_(std::move(hooks)) {
    ticks_.setTimerType(Qt::PreciseTimer);
    ticks_.setInterval(kTickMs);
    pacing_.setTimerType(Qt::PreciseTimer);
    pacing_.setSingleShot(true);
    connect(&ticks_, &QTimer::timeout, this, &PlayTimer::OnTick);
    connect(&pacing_, &QTimer::timeout, this, &PlayTimer::OnPacingDue);
}

void PlayTimer::Start() {
    ticks_.start();
}

void PlayTimer::Stop() {
    ticks_.stop();
    pacing_.stop();
}

void PlayTimer::OnTick() {
    // A new tick ends whatever the last one still had pending.
    pacing_.stop();
    if (!hooks_.open()) {
        return;
    }
    Schedule(hooks_.tick());
}

void PlayTimer::OnPacingDue() {
    if (!hooks_.open()) {
        return;
    }
    Schedule(hooks_.pacedFrame());
}

void PlayTimer::Schedule(std::optional<uint32_t> due) {
    if (!due) {
        return;
    }
    // Signed difference, so a reading just past a wrap of the clock still
    // counts as later.
    const auto wait = static_cast<int32_t>(*due - hooks_.clock());
    pacing_.start(wait > 0 ? wait : 0);
}

} // namespace fenx
