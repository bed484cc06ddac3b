#include "dialogs/history_dialog.h"

#include <array>
#include <optional>

#include "dialogs/dialog_list.h"
#include "dialogs/history_list_model.h"
#include "selection/history_list.h"

namespace fenx {
namespace {

using enum ControlKind;

constexpr std::array<DialogControl, 4> kControls = {{
    // Each title stands over its column of the lines below, across the
    // list's width; the blanks only part the titles.
    {ListHeader, kNoControlId, "        日付     時刻 サイズ  面", {7, 7, 113, 8}},
    {List, kIdList, "", {7, 17, 113, 135}},
    StartButton(7, 162),
    CloseButton(70, 162),
}};

// A line whose every field is as wide as it can be in the program's own
// lines: digits are of one width in the list's font.
constexpr const char* kWidestHistoryLine = "■  00/00/00 00:00  38x10  65535";

// A file that is missing, unreadable or not a regular file gives no lines.
std::vector<HistoryEntry> LoadHistory(const HistoryFile& history) {
    const std::optional<std::string> text = history.Read();
    return text ? ParseHistory(*text) : std::vector<HistoryEntry>{};
}

} // namespace

const DialogTemplate& AppHistory() {
    static const DialogTemplate layout{"履歴", 127, 183, kControls};
    return layout;
}

HistoryDialog::HistoryDialog(Game& game, const HistoryFile& history, QWidget* owner)
    : TemplateDialog(AppHistory(), owner), game_(game), list_(*List(kIdList)),
      model_(new HistoryListModel(LoadHistory(history), this)) {
    // Mark, date, time, size and stage number: the numbers end on the
    // right of their columns, so their digits stand under each other.
    using enum FieldAlign;
    list_.SetColumns({Centre, Left, Left, Right, Right},
                     QString::fromStdString(kWidestHistoryLine));
    list_.setModel(model_);
    connect(&list_, &DialogList::lineDoubleClicked, this, &HistoryDialog::Start);
    OnButton(kIdStart, [this] { Start(list_.SelectedRow()); });
}

void HistoryDialog::Start(int row) {
    if (row < 0 || row >= model_->rowCount()) {
        return;
    }
    // Ends a challenge; a stage of another size changes (and keeps) the
    // size first.
    const HistoryEntry& entry = model_->Entry(row);
    game_.StartStageOfSize(entry.line.width, entry.line.height, entry.line.stageNumber);
}

} // namespace fenx
