// The play timer: which frame runs for the current phase, and how the
// frames of one tick are paced.
#include "play/play.h"

namespace fenx {

int Play::PlayFrame() {
    switch (stage_.state.gamePhase) {
    case PhasePlaying:
        if (drag_.active != 0) {
            DragTick();
            return 1;
        }
        if (hint_.active != 0) {
            HintTick();
            return 1;
        }
        if (moveHint_.active != 0) {
            MoveHintTick();
            return 1;
        }
        return 0;
    case PhaseOpening:
        OpeningFrame();
        return 1;
    case PhaseSolved:
        stage_.canvas.DrawField();
        if (SolvedFrame() == 0) {
            stage_.state.gamePhase = PhaseTitle; // the frame that found all gone still shows
        }
        PresentWholeSurface();
        return 1;
    case PhaseTitle:
    default:
        return 0;
    }
}

std::optional<uint32_t> Play::OnPlayTimer() {
    pacer_.Stop();
    const uint32_t t0 = host_.Milliseconds();
    if (drag_.active != 0) {
        PlayFrame(); // a drag gets exactly one frame per tick
        return std::nullopt;
    }
    if (PlayFrame() == 0) {
        return std::nullopt;
    }
    return pacer_.BeginTick(t0);
}

std::optional<uint32_t> Play::OnPacedFrame() {
    if (!pacer_.pending()) {
        return std::nullopt;
    }
    if (drag_.active != 0) {
        // A block picked up between two paced frames: the rest of the tick
        // belongs to the drag, which takes one frame per tick.
        pacer_.Stop();
        return std::nullopt;
    }
    const uint32_t now = host_.Milliseconds();
    if (!pacer_.FrameDue(now)) {
        return pacer_.NotDue(now);
    }
    if (PlayFrame() == 0) {
        pacer_.Stop();
        return std::nullopt;
    }
    return pacer_.FrameDone(now);
}

} // namespace fenx
