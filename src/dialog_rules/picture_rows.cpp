#include "dialog_rules/picture_rows.h"

#include <algorithm>
#include <map>

namespace fenx {

std::vector<int> PictureRowShifts(std::span<const PictureOverControl> pictures) {
    // The lowest picture of each row, by the row's control top.
    std::map<int, int> lowest;
    for (const PictureOverControl& p : pictures) {
        const auto [at, added] = lowest.try_emplace(p.controlTop, p.pictureBottom);
        if (!added) {
            at->second = std::max(at->second, p.pictureBottom);
        }
    }
    std::vector<int> shifts;
    if (lowest.empty()) {
        return shifts;
    }
    const int gap = lowest.begin()->first - lowest.begin()->second;
    shifts.reserve(pictures.size());
    for (const PictureOverControl& p : pictures) {
        shifts.push_back(p.controlTop - gap - lowest.at(p.controlTop));
    }
    return shifts;
}

} // namespace fenx
