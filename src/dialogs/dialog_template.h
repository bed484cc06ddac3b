// A dialog as a table: its title, its size in dialog units and its
// controls in order. The order is the order of creation and of Tab.
// Positions and sizes are in dialog units of the dialog font.
#pragma once

#include <optional>
#include <span>

#include "dialog_rules/dialog_units.h"

namespace fenx {

enum class ControlKind {
    Static, // a line of text
    Edit,   // a number edit (at most five digits)
    Button, // a push button; `&` marks its mnemonic
    UpDown, // step arrows for the edit just before them, on its right edge
    Icon,   // the program's icon, at its own size
    List,   // a list box of lines, in the order given, at most one selected
    // The column titles of the list just after it: each word of the text
    // stands over a column of that list's lines.
    ListHeader,
};

enum ControlFlag : unsigned {
    NoFlags = 0,
    DefaultButton = 1 << 0, // pressed by Enter when no other button has focus
    Centred = 1 << 1,       // text centred in its box
    // The words of a static stand spread over its box, the first at its
    // left edge and the last ending at its right, whatever the width of the
    // blanks between them in the dialog font.
    SpreadWords = 1 << 2,
};

// Controls without a command of their own carry the id -1.
inline constexpr int kNoControlId = -1;

struct DialogControl {
    ControlKind kind;
    int id;
    const char* text; // UTF-8
    DialogRect units;
    unsigned flags = NoFlags;
};

// The dialog ids every dialog shares.
inline constexpr int kIdOk = 1;
inline constexpr int kIdCancel = 2;
inline constexpr int kIdClose = 3;
inline constexpr int kIdStart = 5;
// The list box of the dialogs that start a stage from a list.
inline constexpr int kIdList = 1008;

// The buttons of the dialogs that start stages: Start, and Close, which is
// their default button.
constexpr DialogControl StartButton(int x, int y) {
    return {ControlKind::Button, kIdStart, "スタート(&S)", {x, y, 50, 14}};
}
constexpr DialogControl CloseButton(int x, int y) {
    return {ControlKind::Button, kIdClose, "閉じる(&C)", {x, y, 50, 14}, DefaultButton};
}

struct DialogTemplate {
    const char* title; // UTF-8
    int width;         // client area in dialog units
    int height;
    std::span<const DialogControl> controls;
    // Top-left corner relative to the owner's client area, in dialog
    // units; without one the dialog opens over the middle of its owner.
    std::optional<DialogRect> position = std::nullopt;
};

} // namespace fenx
