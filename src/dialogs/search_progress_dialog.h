// "面検索実行": the search running. The stage numbers are tested on worker
// threads; every 200 ms the dialog shows how far the search has come and
// hands the matches found since to its receiver, in increasing order. It
// ends by itself when every number has been tested; Cancel (or Escape)
// stops the workers at once and hands over the matches below the first
// number not tested.
#pragma once

#include <QTimer>

#include <functional>
#include <memory>
#include <span>

#include "dialogs/template_dialog.h"
#include "selection/search_conditions.h"
#include "selection/search_job.h"
#include "selection/search_range.h"

class QLabel;
class QProgressBar;

namespace fenx {

enum SearchProgressControlId : int {
    kIdSearchProgressBar = 1029,
    kIdSearchTestedText = 1030,
    kIdSearchMatchedText = 1031
};
inline constexpr int kSearchTickMilliseconds = 200;

const DialogTemplate& AppInfo();

class SearchProgressDialog : public TemplateDialog {
    Q_OBJECT
  public:
    using MatchReceiver = std::function<void(std::span<const int>)>;
    // Starts the search at once; threads <= 0 means one per core.
    SearchProgressDialog(const ConditionSet& conditions, int stageWidth, int stageHeight,
                         StageRange range, MatchReceiver receiver, QWidget* owner, int threads = 0);
    ~SearchProgressDialog() override;

    QProgressBar& bar() const { return *bar_; }

  protected:
    void Ending() override;

  private:
    void Tick();
    void HandOverMatches();
    void ShowFigures(const SearchProgress& progress);

    SearchJob job_;
    MatchReceiver receiver_;
    QTimer timer_;
    QProgressBar* bar_;
    QLabel& tested_;
    QLabel& matched_;
    int matches_ = 0;
};

} // namespace fenx
