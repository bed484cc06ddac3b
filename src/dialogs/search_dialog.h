// "面検索": the stage search. Nineteen combo boxes, one just under the picture
// of each orientation, say how many blocks of it a stage must have; a set-all
// combo and 一括設定 set them all at once. Search tests every stage number of
// the range at the current size and lists the numbers that meet all
// nineteen conditions; Start (or a double click) plays the selected one.
//
// The conditions, the set-all value and the range belong to the program
// run and outlive the dialog; the results go with it.
#pragma once

#include <array>
#include <span>

#include "dialogs/dialog_list.h"
#include "dialogs/modeless_dialogs.h"
#include "dialogs/search_results_model.h"
#include "dialogs/template_dialog.h"
#include "selection/search_conditions.h"
#include "stage/game.h"

class QComboBox;

namespace fenx {

enum SearchControlId : int {
    kIdSearchSetAll = 6,
    kIdSearchRun = 4,
    kIdSearchRangeStart = 1026,
    kIdSearchRangeEnd = 1027,
    kIdSearchResults = 1008,
    kIdSearchSetAllCombo = 1184
};
// The combo of each orientation, then the set-all combo.
inline constexpr std::array<int, kOrientationCount + 1> kSearchComboIds = {
    1020, 1170, 1171, 1021, 1172, 1173, 1174, 1022, 1175, 1176,
    1177, 1023, 1178, 1179, 1180, 1024, 1181, 1182, 1183, kIdSearchSetAllCombo};

// The condition texts in value order.
extern const std::array<const char*, kCountConditionValues> kCountConditionTexts;

const DialogTemplate& AppSearch();

class SearchDialog : public TemplateDialog {
    Q_OBJECT
  public:
    SearchDialog(Game& game, ModelessDialogs& dialogs, SearchCriteria& criteria, QWidget* owner);

    // Row 0..18: the orientation's combo; row 19: the set-all combo.
    QComboBox& combo(std::size_t row) const { return *combos_[row]; }
    DialogList& results() const { return *results_; }
    // Where the picture of each orientation stands: its four cells' bounds.
    const std::array<QRect, kOrientationCount>& pictures() const { return pictures_; }
    const SearchResultsModel& resultsModel() const { return model_; }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    // Each row of pictures stands as far above its own combos as the top
    // row does (dialog_rules/picture_rows.h).
    void PlacePictures();
    void ConditionChosen(std::size_t row, int value);
    void SetAll();
    void UpdateSearchButton();
    void Search();
    void AddResults(std::span<const int> stageNumbers);
    void StartResult(const QModelIndex& index);

    Game& game_;
    ModelessDialogs& dialogs_;
    SearchCriteria& criteria_;
    std::array<QComboBox*, kOrientationCount + 1> combos_{};
    SearchResultsModel model_;
    DialogList* results_;
    std::array<QRect, kOrientationCount> pictures_{};
    // How far each orientation's picture moves down from its cells' grid.
    std::array<int, kOrientationCount> shifts_{};
};

} // namespace fenx
