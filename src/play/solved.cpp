// A solved stage: the fanfare, the records, and the animation frames.
#include "presentation/canvas.h"
#include "stage/game_impl.h"

namespace fenx {

void GameImpl::EnterSolved() {
    PlayEffect(SoundId::Tada);
    // The drag ends without a redraw: the animation takes over the picture.
    drag.active = 0;
    drag.tick = -1;
    state.gamePhase = PhaseSolved;
    LaunchSolvedEffect(solved, blocks, stageRandom, state.clientHeight());
    if (state.challengeActive != 0) {
        MarkChallengeSolved();
    }
    MarkStageSolved(record, platform.CalendarSeconds());
}

int GameImpl::SolvedFrame() {
    ++solved.frame;
    bool anyLeft = false;
    for (int i = 0; i < blocks.count; ++i) {
        Block& b = blocks[i];
        anyLeft = !MoveSolvedBlock(b, state.H) || anyLeft;
        canvas.DrawBlockAt(b.effectX / 256, b.effectY / 256, b.orientation, b.kind, b.fixed != 0);
    }
    if (state.challengeActive == 0) {
        return anyLeft ? 1 : 0;
    }
    // A challenge keeps animating until another stage starts: letter j
    // appears on frame 2j + 2 and swings about the window's middle.
    const int x0 = (state.clientWidth() - 8 * kSolvedMessageLength) / 2;
    const int y0 = (state.clientHeight() - 12) / 2;
    for (int j = 0; j < kSolvedMessageLength && j < solved.frame / 2; ++j) {
        const int32_t y = SwingLetter(solved, j);
        canvas.DrawGlyph(x0 + 8 * j, y0 + y / 256,
                         static_cast<unsigned char>(kSolvedMessage[static_cast<std::size_t>(j)]));
    }
    return 1;
}

} // namespace fenx
