// The opening fly-in: every block flies in a straight line from its opening
// position to its cell in 32 frames.
#include "play/opening_path.h"
#include "play/play.h"

namespace fenx {

void Play::OpeningFrame() {
    if (--stage_.state.openingStep == 0) {
        stage_.state.gamePhase = PhasePlaying;
    }
    DrawOpeningPicture();
    PresentWholeSurface();
}

void Play::DrawOpeningPicture() {
    stage_.canvas.DrawField();
    const int32_t t = stage_.state.openingStep;
    for (int i = 0; i < stage_.blocks.count; ++i) {
        const Block& b = stage_.blocks[i];
        stage_.canvas.DrawBlockAt(OpeningCoordinate(b.openingX, b.column, t),
                                  OpeningCoordinate(b.openingY, b.row, t), b.orientation, b.kind,
                                  b.fixed);
    }
}

} // namespace fenx
