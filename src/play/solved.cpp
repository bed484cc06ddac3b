// A solved stage: the fanfare, the records, and the animation frames.
#include "play/play.h"

namespace fenx {

void Play::EnterSolved() {
    host_.PlayEffect(SoundId::Tada);
    // The drag ends without a redraw: the animation takes over the picture.
    mode_ = ModeHolding(false, HoldsHint(mode_));
    drag_.tick = -1;
    keyCursor_.shown = false; // gone with the rest of the picture
    history_.Clear();         // a solved stage has nothing to undo
    stage_.state.gamePhase = PhaseSolved;
    LaunchSolvedEffect(solved_, stage_.blocks, stage_.stageRandom, stage_.state.clientHeight());
    host_.StageSolved(); // the challenge mark and the stage's record
}

bool Play::SolvedFrame() {
    ++solved_.frame;
    bool anyLeft = false;
    for (int i = 0; i < stage_.blocks.count; ++i) {
        Block& b = stage_.blocks[i];
        anyLeft = !MoveSolvedBlock(b, stage_.state.H) || anyLeft;
        stage_.canvas.DrawBlockAt(b.effectX / 256, b.effectY / 256, b.orientation, b.kind, b.fixed);
    }
    if (!stage_.state.challengeActive) {
        return anyLeft;
    }
    // A challenge keeps animating until another stage starts: letter j
    // appears on frame 2j + 2 and swings about the window's middle.
    const int x0 = (stage_.state.clientWidth() - 8 * kSolvedMessageLength) / 2;
    const int y0 = (stage_.state.clientHeight() - 12) / 2;
    for (int j = 0; j < kSolvedMessageLength && j < solved_.frame / 2; ++j) {
        const int32_t y = SwingLetter(solved_, j);
        stage_.canvas.DrawGlyph(
            x0 + 8 * j, y0 + y / 256,
            static_cast<unsigned char>(kSolvedMessage[static_cast<std::size_t>(j)]));
    }
    return true;
}

} // namespace fenx
