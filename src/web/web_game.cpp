#include "web/web_game.h"

#include <emscripten.h>

#include <string>
#include <utility>

#include "core/stage_size.h"
#include "stage/settings.h"

// clang-format off
EM_JS(void, fenx_game_changed, (int kind, int value, int value2), {
    Module.fenxPage.gameChanged(kind, value, value2);
});
// clang-format on

namespace fenx {

WebGame::WebGame(std::string sheet) : sheetBytes_(std::move(sheet)) {
    sheet_ =
        ParseSpriteSheet(reinterpret_cast<const uint8_t*>(sheetBytes_.data()), sheetBytes_.size());
    if (sheet_) {
        game_ = std::make_unique<Game>(platform_, *sheet_);
        game_->SetChangeListener([](const GameChange& change) {
            fenx_game_changed(static_cast<int>(change.kind), change.value, change.value2);
        });
    }
}

bool WebGame::StoreLinkedSize(int width, int height) {
    if (!IsValidStageSize(width, height)) {
        return false;
    }
    platform_.WriteSetting(kWidthKey, std::to_string(width));
    platform_.WriteSetting(kHeightKey, std::to_string(height));
    return true;
}

NextMoveRequest WebGame::RequestNextMove() {
    const bool showing = game_->NextMoveShowing();
    if (showing) {
        game_->EndNextMove();
    }
    question_ = game_->AskNextMove();
    if (!question_) {
        follower_.Forget();
        return NextMoveRequest::Nothing;
    }
    // While the player makes the moves shown, the plan is followed rather
    // than made again.
    if (const std::optional<int> next = follower_.Next(question_->blocks, showing)) {
        Show(question_->position, *next);
        return NextMoveRequest::Shown;
    }
    return NextMoveRequest::PlanNeeded;
}

void WebGame::PlanArrived(uint32_t position, const BlockList& start, DragPlan plan) {
    if (plan.drags.empty()) {
        return;
    }
    follower_.Take(start, std::move(plan));
    Show(position, 0);
}

void WebGame::Show(uint32_t position, int drag) {
    const SolverDrag& d = follower_.Plan().drags[static_cast<std::size_t>(drag)];
    const Cell to = follower_.End(drag);
    game_->ShowNextMove(position, d.block, to.column, to.row);
}

} // namespace fenx
