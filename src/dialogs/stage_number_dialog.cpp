#include "dialogs/stage_number_dialog.h"

#include <array>

#include "dialogs/number_edit.h"
#include "selection/stage_number_keypad.h"

namespace fenx {
namespace {

using enum ControlKind;

constexpr std::array<DialogControl, 17> kControls = {{
    {Static, kNoControlId, "面 (0～65535)", {11, 7, 49, 8}},
    {Edit, kIdStageNumberEdit, "", {70, 5, 45, 12}},
    {Button, kIdClearNumber, "ｸﾘｱｰ(&A)", {10, 25, 30, 15}},
    {Button, kIdPlusOne, "+1(&I)", {10, 55, 25, 14}},
    {Button, kIdMinusOne, "-1(&D)", {10, 75, 25, 14}},
    {Button, kIdDigit0 + 7, "&7", {70, 25, 15, 15}},
    {Button, kIdDigit0 + 8, "&8", {85, 25, 15, 15}},
    {Button, kIdDigit0 + 9, "&9", {100, 25, 15, 15}},
    {Button, kIdDigit0 + 4, "&4", {70, 41, 15, 15}},
    {Button, kIdDigit0 + 5, "&5", {85, 41, 15, 15}},
    {Button, kIdDigit0 + 6, "&6", {100, 41, 15, 15}},
    {Button, kIdDigit0 + 1, "&1", {70, 57, 15, 15}},
    {Button, kIdDigit0 + 2, "&2", {85, 57, 15, 15}},
    {Button, kIdDigit0 + 3, "&3", {100, 57, 15, 15}},
    {Button, kIdDigit0, "&0", {70, 73, 15, 15}},
    StartButton(10, 105),
    CloseButton(70, 105),
}};

} // namespace

const DialogTemplate& AppSeed() {
    static const DialogTemplate layout{"面の指定", 130, 125, kControls};
    return layout;
}

StageNumberDialog::StageNumberDialog(Game& game, GameEvents& events, QWidget* owner)
    : TemplateDialog(AppSeed(), owner), game_(game), edit_(*Edit(kIdStageNumberEdit)) {
    game_.HideChallengeStageNumber();
    Show(static_cast<uint32_t>(game_.CurrentStageNumber()));
    connect(&events, &GameEvents::stageNumberShown, this,
            [this](int number) { Show(static_cast<uint32_t>(number)); });
    for (int digit = 0; digit <= 9; ++digit) {
        OnButton(kIdDigit0 + digit, [this, digit] { Show(AppendDigit(edit_.Number(), digit)); });
    }
    OnButton(kIdClearNumber, [this] { Show(0); });
    OnButton(kIdPlusOne, [this] { Show(NextStageNumber(edit_.Number())); });
    OnButton(kIdMinusOne, [this] { Show(PreviousStageNumber(edit_.Number())); });
    OnButton(kIdStart, [this] {
        if (const std::optional<int> number = StageNumberToStart(edit_.Number())) {
            // The stage's start writes its number back into the edit.
            game_.StartStageNumber(*number);
        }
    });
}

void StageNumberDialog::Show(uint32_t number) {
    edit_.SetNumber(number);
}

} // namespace fenx
