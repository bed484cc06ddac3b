// Where the dialogs go that keep beside the main window: in a column on
// its right, the first level with its top and each next one below the one
// before, so that none covers the game or another; a dialog that would
// run off the screen's right edge goes into a column on the left instead.
// Last, each is kept on the screen, even if it then covers something.
#pragma once

#include <optional>
#include <span>
#include <vector>

#include "dialog_rules/dialog_units.h"

namespace fenx {

struct FrameSize {
    int width = 0;
    int height = 0;
};

struct FramePoint {
    int x = 0;
    int y = 0;
    bool operator==(const FramePoint&) const = default;
};

// The top-left corners of the frames of `dialogs`, in the order they
// opened, beside the `owner` frame, `gap` pixels apart; `screen` is the
// screen's free area (none known: no limits). All in screen pixels.
std::vector<FramePoint> PlaceBesideOwner(const DialogRect& owner,
                                         std::span<const FrameSize> dialogs,
                                         const std::optional<DialogRect>& screen, int gap);

// The size a window that may be made smaller (the help) takes beside the
// `owner` frame: `wanted`, narrowed to the wider room on either side of the
// owner and lowered to the screen's height, but never below `least`.
FrameSize FitBesideOwner(const DialogRect& owner, FrameSize wanted, FrameSize least,
                         const std::optional<DialogRect>& screen, int gap);

} // namespace fenx
