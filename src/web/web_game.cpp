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
        nextMove_ = std::make_unique<NextMove>(*game_);
    }
}

bool WebGame::StoreLinkedSize(int width, int height) {
    if (!IsValidStageSize(width, height)) {
        return false;
    }
    const std::string w = std::to_string(width);
    const std::string h = std::to_string(height);
    const SettingValue size[] = {{kWidthKey, w}, {kHeightKey, h}};
    platform_.WriteSettings(size); // both at once, as the desktop writes them
    return true;
}

} // namespace fenx
