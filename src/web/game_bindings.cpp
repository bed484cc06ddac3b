// The page's game as the page's script sees it: class FenxGame of the
// engine module.
#include <emscripten/bind.h>
#include <emscripten/val.h>

#include <string>

#include "core/shapes.h"
#include "presentation/shape_gallery.h"
#include "selection/challenge_line.h"
#include "selection/challenge_table.h"
#include "selection/history_list.h"
#include "web/transfer.h"
#include "web/web_game.h"

namespace fenx {
namespace {

using emscripten::val;

// A view of engine memory; valid until the memory grows, so the page
// reads it at once.
template <typename T>
val View(const T* data, std::size_t count) {
    return val(emscripten::typed_memory_view(count, data));
}

val SurfacePixels(WebGame& web) {
    const OffscreenSurface& surface = web.game().Surface();
    return View(surface.pixels(), static_cast<std::size_t>(surface.stride()) * surface.height());
}

int SurfaceWidth(WebGame& web) {
    return web.game().Surface().width();
}

int SurfaceHeight(WebGame& web) {
    return web.game().Surface().height();
}

val Colours(WebGame& web) {
    const ColourTable& colours = web.game().Colours();
    return View(colours.data(), colours.size()).call<val>("slice");
}

val GalleryPixels(WebGame& web) {
    const ShapeGallery& gallery = web.game().Gallery();
    return View(gallery.pixels(), static_cast<std::size_t>(gallery.stride()) * gallery.height());
}

int GalleryWidth(WebGame& web) {
    return web.game().Gallery().width();
}

// The search dialog's pictures: per copy, the destination then the source
// rectangle (x, y, width, height).
val GalleryCopies() {
    std::vector<int> values;
    for (const GalleryCopy& copy : ShapeGalleryCopies()) {
        for (const PixelRect& r : {copy.destination, copy.source}) {
            values.insert(values.end(), {r.x, r.y, r.width, r.height});
        }
    }
    return IntsToJs(values.data(), values.size());
}

// The clock reading at which the tick wants its next frame, or -1.
double Due(std::optional<uint32_t> due) {
    return due ? static_cast<double>(*due) : -1.0;
}

double OnPlayTimer(WebGame& web) {
    return Due(web.game().OnPlayTimer());
}

double OnPacedFrame(WebGame& web) {
    return Due(web.game().OnPacedFrame());
}

int OnCommand(WebGame& web, int id) {
    return static_cast<int>(web.game().OnCommand(id));
}

void SetDialogOpen(WebGame& web, int kind, bool open) {
    if (kind >= 0 && kind < static_cast<int>(kDialogKindCount)) {
        web.SetDialogOpen(static_cast<DialogKind>(kind), open);
    }
}

// The menu as it shows now: the game's marks, the open dialogs' items
// grayed.
val Menu(WebGame& web) {
    const MenuState menu = web.Menu();
    val result = val::object();
    result.set("sizeMark", menu.marks.sizeMark);
    result.set("soundChecked", menu.marks.soundChecked);
    result.set("dragModeMark", menu.marks.dragModeMark);
    result.set("challengeEnabled", menu.challengeEnabled);
    result.set("searchEnabled", menu.searchEnabled);
    result.set("anySizeEnabled", menu.anySizeEnabled);
    result.set("stageNumberEnabled", menu.stageNumberEnabled);
    return result;
}

val ChallengeLines(WebGame& web) {
    val lines = val::array();
    for (int row = 0; row < kChallengeCount; ++row) {
        lines.call<void>("push", ChallengeListLine(ChallengeTable[static_cast<std::size_t>(row)],
                                                   web.game().ChallengeSolved(row)));
    }
    return lines;
}

// The History dialog's lines, read from the stored history when it opens:
// [{line, width, height, stage}, ...] in file order.
val HistoryLines() {
    val lines = val::array();
    const std::optional<std::string> text = ReadStored(kStoredHistory);
    if (!text) {
        return lines;
    }
    for (const HistoryEntry& entry : ParseHistory(*text)) {
        val line = val::object();
        line.set("line", HistoryListLine(entry));
        line.set("width", static_cast<int>(entry.line.width));
        line.set("height", static_cast<int>(entry.line.height));
        line.set("stage", static_cast<int>(entry.line.stageNumber));
        lines.call<void>("push", line);
    }
    return lines;
}

// What the H key (or Shift+H, the play-out) did, for the page: 0 nothing
// (no ordinary stage in play, or a block held), 1 the next drag of the plan
// being followed shows (or its play-out starts), 2 a plan is needed from
// nextMoveQuestion(), to be handed to planArrived.
int AnswerCode(NextMove::Answer answer) {
    switch (answer) {
    case NextMove::Answer::NotNow:
        return 0;
    case NextMove::Answer::Shown:
        return 1;
    case NextMove::Answer::PlanNeeded:
        return 2;
    }
    return 0;
}

int RequestNextMove(WebGame& web) {
    return AnswerCode(web.nextMove()->Ask());
}

int RequestPlayOut(WebGame& web) {
    return AnswerCode(web.nextMove()->AskPlayOut());
}

// The position to plan from: {position, width, height, blocks}.
val NextMoveQuestion(WebGame& web) {
    const auto& question = web.nextMove()->Question();
    if (!question) {
        return val::null();
    }
    val result = val::object();
    result.set("position", question->position);
    result.set("width", question->width);
    result.set("height", question->height);
    result.set("blocks", BlockListToJs(question->blocks));
    return result;
}

void PlanArrived(WebGame& web, uint32_t position, const std::string& start, const val& cells,
                 const val& drags) {
    const std::optional<BlockList> blocks = BlockListFromBytes(start);
    if (!blocks) {
        return;
    }
    if (std::optional<DragPlan> plan = DragPlanFromJs(cells, drags, *blocks)) {
        web.nextMove()->PlanArrived(position, *blocks, std::move(*plan));
    }
}

// What the field holds while an ordinary stage is played with no block
// held, for the page's tests: {anchors: [column, row, ...] per block,
// cells: W x 2H block indices (-1 free), row by row}; null otherwise.
val FieldView(WebGame& web) {
    const std::optional<Game::NextMoveQuestion> question = web.game().AskNextMove();
    if (!question) {
        return val::null();
    }
    const BlockList& blocks = question->blocks;
    const int width = question->width;
    const int rows = 2 * question->height;
    std::vector<int> anchors;
    std::vector<int> cells(static_cast<std::size_t>(width * rows), -1);
    for (int i = 0; i < blocks.count; ++i) {
        anchors.push_back(blocks[i].column);
        anchors.push_back(blocks[i].row);
        for (const CellOffset& offset :
             ShapeTable[static_cast<std::size_t>(blocks[i].orientation)]) {
            const int x = blocks[i].column + offset.dx;
            const int y = blocks[i].row + offset.dy;
            if (x >= 0 && x < width && y >= 0 && y < rows) {
                cells[static_cast<std::size_t>(y * width + x)] = i;
            }
        }
    }
    val result = val::object();
    result.set("anchors", IntsToJs(anchors.data(), anchors.size()));
    result.set("cells", IntsToJs(cells.data(), cells.size()));
    return result;
}

// A key of play by its number (PlayKey); any other number is no key.
// `autoRepeat`: the press is the key's auto-repeat while it is held down.
void OnKey(WebGame& web, int key, bool autoRepeat) {
    if (key >= 0 && key <= static_cast<int>(PlayKey::Restart)) {
        web.game().OnKey(static_cast<PlayKey>(key), autoRepeat);
    }
}

} // namespace

EMSCRIPTEN_BINDINGS(fenx_game) {
    using emscripten::class_;
    using emscripten::function;

    function("galleryCopies", &GalleryCopies);
    function("historyLines", &HistoryLines);

    class_<WebGame>("FenxGame")
        .constructor<std::string>()
        .function("ready", &WebGame::Ready)
        .function("storeLinkedSize", &WebGame::StoreLinkedSize)
        .function(
            "startUp", +[](WebGame& w) { w.game().StartUp(); })
        .function(
            "showTitleScreen", +[](WebGame& w) { w.game().ShowTitleScreen(); })
        .function(
            "playStartJingle", +[](WebGame& w) { w.game().PlayStartJingle(); })
        .function(
            "shutDown", +[](WebGame& w) { w.game().ShutDown(); })
        .function("surfacePixels", &SurfacePixels)
        .function("surfaceWidth", &SurfaceWidth)
        .function("surfaceHeight", &SurfaceHeight)
        .function("colours", &Colours)
        .function("galleryPixels", &GalleryPixels)
        .function("galleryWidth", &GalleryWidth)
        .function(
            "leftButtonDown", +[](WebGame& w, int x, int y) { w.game().OnLeftButtonDown(x, y); })
        .function(
            "leftButtonUp", +[](WebGame& w) { w.game().OnLeftButtonUp(); })
        .function(
            "mouseMove", +[](WebGame& w, int x, int y, bool left,
                             bool right) { w.game().OnMouseMove(x, y, left, right); })
        .function(
            "rightButtonDown", +[](WebGame& w, int x, int y) { w.game().OnRightButtonDown(x, y); })
        .function(
            "rightButtonUp", +[](WebGame& w) { w.game().OnRightButtonUp(); })
        .function("onKey", &OnKey)
        .function("onPlayTimer", &OnPlayTimer)
        .function("onPacedFrame", &OnPacedFrame)
        .function("onCommand", &OnCommand)
        .function("menuState", &Menu)
        .function("setDialogOpen", &SetDialogOpen)
        .function(
            "startChallenge", +[](WebGame& w, int row) { w.game().StartChallenge(row); })
        .function(
            "takeStoredChallengeProgress",
            +[](WebGame& w) { w.game().TakeStoredChallengeProgress(); })
        .function(
            "startStageNumber", +[](WebGame& w, int n) { w.game().StartStageNumber(n); })
        .function(
            "startStageOfSize", +[](WebGame& w, int width, int height,
                                    int n) { w.game().StartStageOfSize(width, height, n); })
        .function(
            "hideChallengeStageNumber", +[](WebGame& w) { w.game().HideChallengeStageNumber(); })
        .function(
            "stageWidth", +[](WebGame& w) { return w.game().StageWidth(); })
        .function(
            "stageHeight", +[](WebGame& w) { return w.game().StageHeight(); })
        .function(
            "currentStageNumber", +[](WebGame& w) { return w.game().CurrentStageNumber(); })
        .function(
            "challengeActive", +[](WebGame& w) { return w.game().ChallengeActive(); })
        .function(
            "soundEnabled", +[](WebGame& w) { return w.game().SoundEnabled(); })
        .function(
            "phase", +[](WebGame& w) { return static_cast<int>(w.game().Phase()); })
        .function("challengeLines", &ChallengeLines)
        .function("requestNextMove", &RequestNextMove)
        .function("requestPlayOut", &RequestPlayOut)
        .function("nextMoveQuestion", &NextMoveQuestion)
        .function("planArrived", &PlanArrived)
        .function(
            "nextMoveShowing", +[](WebGame& w) { return w.game().NextMoveShowing(); })
        .function(
            "playingOut", +[](WebGame& w) { return w.game().PlayingOut(); })
        .function(
            "stopPlayOut", +[](WebGame& w) { w.game().StopPlayOut(); })
        .function("fieldView", &FieldView);
}

} // namespace fenx
