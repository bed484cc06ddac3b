// The play timer: which frame runs for the current phase, and how the
// frames of one tick are paced.
#include "stage/game_impl.h"

namespace fenx {

int GameImpl::PlayFrame() {
    switch (state.gamePhase) {
    case PhasePlaying:
        if (drag.active != 0) {
            DragTick();
            return 1;
        }
        // The placement hint takes its frames here, after the drag, once it
        // exists; until then HintState never becomes active.
        return 0;
    case PhaseOpening:
        OpeningFrame();
        return 1;
    case PhaseSolved:
        canvas.DrawField();
        if (SolvedFrame() == 0) {
            state.gamePhase = PhaseTitle; // the frame that found all gone still shows
        }
        PresentWholeSurface();
        return 1;
    case PhaseTitle:
    default:
        return 0;
    }
}

std::optional<uint32_t> GameImpl::OnPlayTimer() {
    pacer.Stop();
    const uint32_t t0 = platform.Milliseconds();
    if (drag.active != 0) {
        PlayFrame(); // a drag gets exactly one frame per tick
        return std::nullopt;
    }
    if (PlayFrame() == 0) {
        return std::nullopt;
    }
    return pacer.BeginTick(t0);
}

std::optional<uint32_t> GameImpl::OnPacedFrame() {
    if (!pacer.pending()) {
        return std::nullopt;
    }
    if (drag.active != 0) {
        // A block picked up between two paced frames: the rest of the tick
        // belongs to the drag, which takes one frame per tick.
        pacer.Stop();
        return std::nullopt;
    }
    const uint32_t now = platform.Milliseconds();
    if (!pacer.FrameDue(now)) {
        return pacer.NotDue(now);
    }
    if (PlayFrame() == 0) {
        pacer.Stop();
        return std::nullopt;
    }
    return pacer.FrameDone(now);
}

} // namespace fenx
