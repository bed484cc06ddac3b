// The dialogs' rules and the workers' jobs as the page's scripts call them:
// the engine's own functions, with the edits' text read the engine's way.
#include <emscripten/bind.h>
#include <emscripten/val.h>

#include <string>
#include <vector>

#include "core/stage_size.h"
#include "dialog_rules/dialog_units.h"
#include "dialog_rules/edit_number.h"
#include "selection/parallel_search.h"
#include "selection/search_conditions.h"
#include "selection/search_range.h"
#include "selection/size_choice.h"
#include "selection/stage_number_keypad.h"
#include "solver/drag_plan.h"
#include "solver/planner.h"
#include "web/transfer.h"

namespace fenx {
namespace {

using emscripten::val;

std::optional<uint32_t> EditNumber(const std::string& text) {
    return ReadEditNumber(text);
}

// The edit's number, or -1 when it holds none.
double EditNumberOrNone(const std::string& text) {
    const std::optional<uint32_t> number = EditNumber(text);
    return number ? static_cast<double>(*number) : -1.0;
}

// The edit's number after a step of its arrows or its Up and Down keys.
uint32_t EditStep(const std::string& shown, int delta) {
    return StepEditNumber(EditNumber(shown), delta);
}

// The stage-number dialog's keypad: what the edit shows next.
uint32_t KeypadDigit(const std::string& shown, int digit) {
    return AppendDigit(EditNumber(shown), digit);
}
uint32_t KeypadNext(const std::string& shown) {
    return NextStageNumber(EditNumber(shown));
}
uint32_t KeypadPrevious(const std::string& shown) {
    return PreviousStageNumber(EditNumber(shown));
}
// The stage Start plays, or -1 for none.
int KeypadStart(const std::string& shown) {
    return StageNumberToStart(EditNumber(shown)).value_or(-1);
}

// The size dialog's Start: {width, height}, or null when it starts nothing.
val SizeDialogStart(const std::string& width, const std::string& height, int currentWidth,
                    int currentHeight) {
    const std::optional<StageSize> size =
        SizeToStart(EditNumber(width), EditNumber(height), {currentWidth, currentHeight});
    if (!size) {
        return val::null();
    }
    val result = val::object();
    result.set("width", size->width);
    result.set("height", size->height);
    return result;
}

std::optional<ConditionSet> Conditions(const val& values) {
    const std::vector<int> numbers = emscripten::vecFromJSArray<int>(values);
    if (numbers.size() != kOrientationCount) {
        return std::nullopt;
    }
    ConditionSet conditions{};
    for (std::size_t i = 0; i < numbers.size(); ++i) {
        if (numbers[i] < 0 || numbers[i] >= kCountConditionValues) {
            return std::nullopt;
        }
        conditions[i] = static_cast<CountCondition>(numbers[i]);
    }
    return conditions;
}

bool CanSearch(const val& values, int width, int height) {
    const std::optional<ConditionSet> conditions = Conditions(values);
    return conditions && canSearch(*conditions, width, height);
}

// The search dialog's range from its two edits: {first, last}.
val SearchRange(const std::string& start, const std::string& end, int previousStart,
                int previousEnd) {
    const StageRange range = OrderedRange(ReadRangeEnd(EditNumber(start), previousStart),
                                          ReadRangeEnd(EditNumber(end), previousEnd));
    val result = val::object();
    result.set("first", range.first);
    result.set("last", range.last);
    return result;
}

// Dialog units to pixels for the dialog font: {x, y} per 4 and 8 units.
val BaseUnits(int lettersWidth, int fontHeight) {
    const DialogBaseUnits base = BaseUnitsOf(lettersWidth, fontHeight);
    val result = val::object();
    result.set("x", base.x);
    result.set("y", base.y);
    return result;
}

int UnitsToPixels(int units, bool horizontal, int baseX, int baseY) {
    const DialogBaseUnits base{baseX, baseY};
    return horizontal ? HorizontalPixels(units, base) : VerticalPixels(units, base);
}

// The search worker's slice: the matches among [first, last], in order.
val SearchSlice(const val& values, int width, int height, int first, int last) {
    const std::optional<ConditionSet> conditions = Conditions(values);
    if (!conditions || !IsValidStageSize(width, height)) {
        return val::null();
    }
    const std::vector<int> found = SearchStageNumbers(*conditions, width, height, first, last, 1);
    return IntsToJs(found.data(), found.size());
}

// The hint worker's job: the drags from a position, or null when no plan
// was found in the time.
val PlanNextMove(const std::string& blockBytes, int width, int height, int budgetMs) {
    const std::optional<BlockList> blocks = BlockListFromBytes(blockBytes);
    if (!blocks || !IsValidStageSize(width, height)) {
        return val::null();
    }
    Planner planner;
    PlanLimits limits;
    limits.budgetMs = budgetMs;
    if (!planner.Plan(*blocks, width, height, limits)) {
        return val::null();
    }
    DragPlan plan;
    BuildDragPlan(*blocks, width, height, planner, plan);
    return DragPlanToJs(plan);
}

} // namespace

EMSCRIPTEN_BINDINGS(fenx_rules) {
    using emscripten::function;
    function("editNumber", &EditNumberOrNone);
    function(
        "isStageSize", +[](int width, int height) { return IsValidStageSize(width, height); });
    function(
        "isEditText", +[](const std::string& text) { return IsEditText(text); });
    function("editStep", &EditStep);
    function("keypadDigit", &KeypadDigit);
    function("keypadNext", &KeypadNext);
    function("keypadPrevious", &KeypadPrevious);
    function("keypadStart", &KeypadStart);
    function("sizeDialogStart", &SizeDialogStart);
    function("canSearch", &CanSearch);
    function("searchRange", &SearchRange);
    function("percentDone", &PercentDone);
    function("baseUnits", &BaseUnits);
    function("unitsToPixels", &UnitsToPixels);
    function("searchSlice", &SearchSlice);
    function("planNextMove", &PlanNextMove);
}

} // namespace fenx
