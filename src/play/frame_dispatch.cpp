// The play timer: which frame runs for the current phase, and how the
// frames of one tick are paced.
#include "play/play.h"

namespace fenx {

bool Play::PlayFrame() {
    switch (stage_.state.gamePhase) {
    case PhasePlaying:
        switch (mode_) {
        case PlayMode::Dragging:
        case PlayMode::DraggingOverHint: // the hint waits for the block to be let go
            DragTick();
            return true;
        case PlayMode::Hinting:
            HintTick();
            return true;
        case PlayMode::ShowingNextMove:
            NextMoveTick();
            return true;
        case PlayMode::PlayingOut:
            PlayOutTick();
            return true;
        case PlayMode::Idle:
            return false;
        }
        return false;
    case PhaseOpening:
        OpeningFrame();
        return true;
    case PhaseSolved:
        stage_.canvas.DrawField();
        if (!SolvedFrame()) {
            stage_.state.gamePhase = PhaseTitle; // the frame that found all gone still shows
        }
        PresentWholeSurface();
        return true;
    case PhaseTitle:
    default:
        return false;
    }
}

std::optional<uint32_t> Play::OnPlayTimer() {
    pacer_.Stop();
    const uint32_t t0 = host_.Milliseconds();
    if (HoldsBlock(mode_)) {
        PlayFrame(); // a drag gets exactly one frame per tick
        return std::nullopt;
    }
    if (!PlayFrame()) {
        return std::nullopt;
    }
    return pacer_.BeginTick(t0);
}

std::optional<uint32_t> Play::OnPacedFrame() {
    if (!pacer_.pending()) {
        return std::nullopt;
    }
    if (HoldsBlock(mode_)) {
        // A block picked up between two paced frames: the rest of the tick
        // belongs to the drag, which takes one frame per tick.
        pacer_.Stop();
        return std::nullopt;
    }
    const uint32_t now = host_.Milliseconds();
    if (!pacer_.FrameDue(now)) {
        return pacer_.NotDue(now);
    }
    if (!PlayFrame()) {
        pacer_.Stop();
        return std::nullopt;
    }
    return pacer_.FrameDone(now);
}

} // namespace fenx
