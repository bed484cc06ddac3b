#include "dialogs/search_progress_dialog.h"

#include <QGuiApplication>
#include <QLabel>
#include <QProgressBar>
#include <QScreen>

#include <array>
#include <utility>
#include <vector>

namespace fenx {
namespace {

using enum ControlKind;

constexpr std::array<DialogControl, 4> kControls = {{
    {Static, kNoControlId, "検索しています...", {7, 7, 49, 8}},
    {Static, kIdSearchTestedText, "検索面数 : %d/%d (%d%%)", {7, 45, 157, 8}},
    {Static, kIdSearchMatchedText, "適合面数 : %d", {7, 60, 157, 8}},
    {Button, kIdCancel, "ｷｬﾝｾﾙ(&C)", {62, 80, 50, 14}},
}};

constexpr DialogRect kBarUnits = {7, 27, 157, 14};

} // namespace

const DialogTemplate& AppInfo() {
    static const DialogTemplate layout{"面検索実行", 171, 101, kControls};
    return layout;
}

SearchProgressDialog::SearchProgressDialog(const ConditionSet& conditions, int stageWidth,
                                           int stageHeight, StageRange range,
                                           MatchReceiver receiver, QWidget* owner, int threads)
    : TemplateDialog(AppInfo(), owner),
      job_(conditions, stageWidth, stageHeight, range.first, range.last, threads),
      receiver_(std::move(receiver)), bar_(new QProgressBar(this)),
      tested_(*qobject_cast<QLabel*>(Control(kIdSearchTestedText))),
      matched_(*qobject_cast<QLabel*>(Control(kIdSearchMatchedText))) {
    bar_->setObjectName(QString::number(kIdSearchProgressBar));
    bar_->setRange(0, 100);
    bar_->setTextVisible(false);
    const DialogRect box = ToPixels(kBarUnits, baseUnits());
    bar_->setGeometry(box.x, box.y, box.width, box.height);
    ShowFigures({0, range.last - range.first + 1, false});

    // Centred on the screen, not on its owner.
    const QScreen* screen =
        owner && owner->screen() ? owner->screen() : QGuiApplication::primaryScreen();
    if (screen) {
        const QRect area = screen->geometry();
        move(area.x() + (area.width() - width()) / 2, area.y() + (area.height() - height()) / 2);
    }
    timer_.setInterval(kSearchTickMilliseconds);
    connect(&timer_, &QTimer::timeout, this, &SearchProgressDialog::Tick);
    timer_.start();
}

SearchProgressDialog::~SearchProgressDialog() = default;

void SearchProgressDialog::ShowFigures(const SearchProgress& progress) {
    const int percent = PercentDone(progress.done, progress.total);
    bar_->setValue(percent);
    tested_.setText(
        QString::asprintf("検索面数 : %d/%d (%d%%)", progress.done, progress.total, percent));
    matched_.setText(QString::asprintf("適合面数 : %d", matches_));
}

void SearchProgressDialog::HandOverMatches() {
    const std::vector<int> found = job_.TakeMatches();
    matches_ += static_cast<int>(found.size());
    if (!found.empty() && receiver_) {
        receiver_(found);
    }
}

void SearchProgressDialog::Tick() {
    // The figures as they stand now; the matches behind them go to the list.
    const SearchProgress progress = job_.Progress();
    HandOverMatches();
    if (progress.finished) {
        timer_.stop();
        End();
        return;
    }
    ShowFigures(progress);
}

void SearchProgressDialog::Ending() {
    timer_.stop();
    job_.Cancel();
    HandOverMatches();
}

} // namespace fenx
