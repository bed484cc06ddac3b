#include "dialogs/size_dialog.h"

#include <array>

#include "dialogs/number_edit.h"
#include "selection/size_choice.h"

namespace fenx {
namespace {

using enum ControlKind;

constexpr std::array<DialogControl, 8> kControls = {{
    {Static, kNoControlId, "横幅 (7～38)", {10, 10, 40, 8}},
    {Edit, kIdWidthEdit, "", {60, 5, 25, 14}},
    {UpDown, kIdWidthArrows, "", {85, 8, 9, 10}},
    {Static, kNoControlId, "高さ (3～10)", {10, 25, 40, 8}},
    {Edit, kIdHeightEdit, "", {60, 22, 25, 14}},
    {UpDown, kIdHeightArrows, "", {85, 23, 9, 10}},
    StartButton(10, 45),
    CloseButton(75, 45),
}};

} // namespace

const DialogTemplate& AppResize() {
    static const DialogTemplate layout{"サイズの変更", 135, 63, kControls};
    return layout;
}

SizeDialog::SizeDialog(Game& game, GameEvents& events, QWidget* owner)
    : TemplateDialog(AppResize(), owner), game_(game), width_(*Edit(kIdWidthEdit)),
      height_(*Edit(kIdHeightEdit)) {
    Show(game_.StageWidth(), game_.StageHeight());
    connect(&events, &GameEvents::stageSizeChanged, this, &SizeDialog::Show);
    OnButton(kIdStart, [this] { Start(); });
}

void SizeDialog::Show(int width, int height) {
    width_.SetNumber(static_cast<uint32_t>(width));
    height_.SetNumber(static_cast<uint32_t>(height));
}

void SizeDialog::Start() {
    // A size that holds no whole number of blocks starts nothing. The
    // current size gives a new stage and leaves the edits as typed.
    if (const std::optional<StageSize> size = SizeToStart(
            width_.Number(), height_.Number(), {game_.StageWidth(), game_.StageHeight()})) {
        game_.StartStageOfSize(size->width, size->height, -1);
    }
}

} // namespace fenx
