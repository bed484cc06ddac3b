#include "dialogs/challenge_dialog.h"

#include <QFontMetrics>

#include <array>

#include "dialogs/challenge_list_model.h"
#include "dialogs/dialog_list.h"
#include "selection/challenge_line.h"

namespace fenx {
namespace {

using enum ControlKind;

constexpr std::array<DialogControl, 3> kControls = {{
    {List, kIdList, "", {7, 7, 177, 104}},
    StartButton(13, 118),
    CloseButton(126, 118),
}};

ChallengeListModel::Solved SolvedRows(const Game& game) {
    ChallengeListModel::Solved solved{};
    for (int row = 0; row < kChallengeCount; ++row) {
        solved[static_cast<std::size_t>(row)] = game.ChallengeSolved(row);
    }
    return solved;
}

// The table's longest line in the list's font, with either mark.
QString WidestLine(const QFontMetrics& metrics) {
    QString widest;
    int widestPixels = 0;
    for (const ChallengeEntry& entry : ChallengeTable) {
        const QString line = QString::fromStdString(ChallengeListLine(entry, true));
        if (const int pixels = metrics.horizontalAdvance(line); pixels > widestPixels) {
            widest = line;
            widestPixels = pixels;
        }
    }
    return widest;
}

} // namespace

const DialogTemplate& AppChallenge() {
    // The title ends in an ideographic space.
    static const DialogTemplate layout{"チャレンジ面選択　", 191, 139, kControls};
    return layout;
}

ChallengeDialog::ChallengeDialog(Game& game, GameEvents& events, QWidget* owner)
    : TemplateDialog(AppChallenge(), owner), game_(game), list_(*List(kIdList)),
      model_(new ChallengeListModel(SolvedRows(game), this)) {
    list_.SetWidestLine(WidestLine(list_.fontMetrics()));
    list_.setModel(model_);
    connect(&list_, &DialogList::lineDoubleClicked, this, &ChallengeDialog::Start);
    connect(&events, &GameEvents::challengeSolved, model_, &ChallengeListModel::MarkSolved);
    OnButton(kIdStart, [this] { Start(list_.SelectedRow()); });
}

void ChallengeDialog::Start(int row) {
    if (row >= 0) {
        game_.StartChallenge(row);
    }
}

} // namespace fenx
