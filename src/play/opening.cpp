// The opening fly-in: every block flies in a straight line from its opening
// position to its cell in 32 frames.
#include "play/opening_path.h"
#include "stage/game_impl.h"

namespace fenx {

void GameImpl::OpeningFrame() {
    if (--state.openingStep == 0) {
        state.gamePhase = PhasePlaying;
    }
    DrawOpeningPicture();
    PresentWholeSurface();
}

void GameImpl::DrawOpeningPicture() {
    canvas.DrawField();
    const int32_t t = state.openingStep;
    for (int i = 0; i < blocks.count; ++i) {
        const Block& b = blocks[i];
        canvas.DrawBlockAt(OpeningCoordinate(b.openingX, b.column, t),
                           OpeningCoordinate(b.openingY, b.row, t), b.orientation, b.kind,
                           b.fixed != 0);
    }
}

} // namespace fenx
