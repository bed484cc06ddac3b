#include "play/solved_animation.h"

#include "core/geometry.h"

namespace fenx {

void LaunchSolvedEffect(SolvedAnimation& animation, BlockList& blocks, StageRandom& random,
                        int clientHeight) {
    animation.frame = 0;
    animation.letterV.fill(0);
    animation.letterY.fill(-(clientHeight / 2) * 256);
    for (int i = 0; i < blocks.count; ++i) {
        Block& b = blocks[i];
        b.effectX = CellPixel(b.column) * 256;
        b.effectY = CellPixel(b.row) * 256;
        b.effectVelocityX = (NextStageRandom(random) & 0x3FF) - 512;
        b.effectVelocityY = -2048 - (NextStageRandom(random) & 0x1FF);
    }
}

bool MoveSolvedBlock(Block& block, int height) {
    block.effectVelocityY += kSolvedGravity;
    block.effectX += block.effectVelocityX;
    block.effectY += block.effectVelocityY;
    return block.effectY > height * 8192 + 20480;
}

int32_t SwingLetter(SolvedAnimation& animation, int letter) {
    const auto j = static_cast<std::size_t>(letter);
    const int32_t v = animation.letterV[j];
    const int32_t y = animation.letterY[j] + v;
    animation.letterY[j] = y;
    animation.letterV[j] = ((v - y / 16) * 31) / 32;
    return y;
}

} // namespace fenx
