#include "core/completion.h"

namespace fenx {

bool IsStageComplete(const Board& board, int width, int height) {
    int full = 0;
    for (int cy = 0; cy < 2 * height; ++cy) {
        bool anyFree = false;
        bool anyCovered = false;
        for (int cx = 0; cx < width; ++cx) {
            if (board.at(cx, cy) == CellEmpty) {
                anyFree = true;
            } else {
                anyCovered = true;
            }
        }
        if (anyFree && anyCovered) {
            return false;
        }
        if (!anyFree && ++full == height) {
            return true;
        }
    }
    return true;
}

} // namespace fenx
