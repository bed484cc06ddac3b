#include "dialog_rules/beside_owner.h"

#include <algorithm>

namespace fenx {

std::vector<FramePoint> PlaceBesideOwner(const DialogRect& owner,
                                         std::span<const FrameSize> dialogs,
                                         const std::optional<DialogRect>& screen, int gap) {
    std::vector<FramePoint> places;
    const int rightColumn = owner.x + owner.width + gap;
    int rightTop = owner.y;
    int leftTop = owner.y;
    for (const FrameSize& size : dialogs) {
        FramePoint at;
        if (!screen || rightColumn + size.width <= screen->x + screen->width) {
            at = {rightColumn, rightTop};
            rightTop += size.height + gap;
        } else {
            at = {owner.x - gap - size.width, leftTop};
            leftTop += size.height + gap;
        }
        if (screen) {
            at.x = std::clamp(at.x, screen->x,
                              std::max(screen->x, screen->x + screen->width - size.width));
            at.y = std::clamp(at.y, screen->y,
                              std::max(screen->y, screen->y + screen->height - size.height));
        }
        places.push_back(at);
    }
    return places;
}

FrameSize FitBesideOwner(const DialogRect& owner, FrameSize wanted, FrameSize least,
                         const std::optional<DialogRect>& screen, int gap) {
    if (!screen) {
        return wanted;
    }
    const int right = screen->x + screen->width - (owner.x + owner.width + gap);
    const int left = owner.x - gap - screen->x;
    return {std::max(least.width, std::min(wanted.width, std::max(left, right))),
            std::max(least.height, std::min(wanted.height, screen->height))};
}

} // namespace fenx
