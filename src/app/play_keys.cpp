#include "app/play_keys.h"

namespace fenx {
namespace {

struct KeyOfPlay {
    int key;
    bool keypadOnly; // a digit means a direction only on the keypad
    PlayKey playKey;
};

constexpr KeyOfPlay kPlainKeys[] = {
    {Qt::Key_Left, false, PlayKey::Left},
    {Qt::Key_Right, false, PlayKey::Right},
    {Qt::Key_Up, false, PlayKey::Up},
    {Qt::Key_Down, false, PlayKey::Down},
    {Qt::Key_Home, false, PlayKey::UpLeft},
    {Qt::Key_PageUp, false, PlayKey::UpRight},
    {Qt::Key_End, false, PlayKey::DownLeft},
    {Qt::Key_PageDown, false, PlayKey::DownRight},
    {Qt::Key_4, true, PlayKey::Left},
    {Qt::Key_6, true, PlayKey::Right},
    {Qt::Key_8, true, PlayKey::Up},
    {Qt::Key_2, true, PlayKey::Down},
    {Qt::Key_7, true, PlayKey::UpLeft},
    {Qt::Key_9, true, PlayKey::UpRight},
    {Qt::Key_1, true, PlayKey::DownLeft},
    {Qt::Key_3, true, PlayKey::DownRight},
    {Qt::Key_Space, false, PlayKey::PickUpOrPutDown},
    {Qt::Key_Return, false, PlayKey::PickUpOrPutDown},
    {Qt::Key_Enter, false, PlayKey::PickUpOrPutDown},
    {Qt::Key_Escape, false, PlayKey::PutDown},
    {Qt::Key_F5, false, PlayKey::Restart},
};

} // namespace

std::optional<PlayKey> PlayKeyOf(int key, Qt::KeyboardModifiers modifiers) {
    const bool keypad = modifiers.testFlag(Qt::KeypadModifier);
    const Qt::KeyboardModifiers held = modifiers & ~Qt::KeypadModifier;
    if (held == Qt::ControlModifier) {
        if (key == Qt::Key_Z) {
            return PlayKey::Undo;
        }
        if (key == Qt::Key_Y) {
            return PlayKey::Redo;
        }
        return std::nullopt;
    }
    if (held == (Qt::ControlModifier | Qt::ShiftModifier)) {
        return key == Qt::Key_Z ? std::optional(PlayKey::Redo) : std::nullopt;
    }
    if (held != Qt::NoModifier) {
        return std::nullopt;
    }
    for (const KeyOfPlay& k : kPlainKeys) {
        if (k.key == key && (keypad || !k.keypadOnly)) {
            return k.playKey;
        }
    }
    return std::nullopt;
}

} // namespace fenx
