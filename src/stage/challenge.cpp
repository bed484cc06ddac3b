// Playing a challenge stage and recording its solution.
#include "selection/challenge_table.h"
#include "stage/game.h"
#include "stage/settings.h"

namespace fenx {

void Game::StartChallenge(int row) {
    if (row < 0 || row >= kChallengeCount) {
        return;
    }
    const ChallengeEntry& entry = ChallengeTable[static_cast<std::size_t>(row)];
    state_.currentChallenge = row;
    state_.challengeActive = true;
    ChangeStage({entry.width, entry.height}, entry.stageNumber);
}

void Game::MarkChallengeSolved() {
    const int row = state_.currentChallenge;
    const bool firstTime = !progress_.solved(row);
    // The flag is set before the dialog hears of it, so that it reads the
    // new state_.
    progress_.flags[static_cast<std::size_t>(row)] = true;
    if (firstTime) {
        Notify({GameChange::ChallengeSolved, row});
    }
    // Written every time, even when the flag was already set.
    StoreChallengeProgress();
}

void Game::StoreChallengeProgress() {
    // Another copy of the game may have solved other rows since this one
    // read the key: the store merges the two, and this game takes the rows
    // the other one solved, so that its list shows them too.
    const auto text = EncodeChallengeProgress(progress_);
    TakeSolvedRows(DecodeChallengeProgress(
        platform_.MergeSetting(kChallengeKey, {text.data(), text.size()}, MergeChallengeProgress)));
}

void Game::TakeStoredChallengeProgress() {
    if (const std::optional<std::string> stored = platform_.ReadStoredSetting(kChallengeKey)) {
        TakeSolvedRows(DecodeChallengeProgress(*stored));
    }
}

void Game::TakeSolvedRows(const ChallengeProgress& stored) {
    for (int row = 0; row < kProgressFlagCount; ++row) {
        if (stored.solved(row) && !progress_.solved(row)) {
            progress_.flags[static_cast<std::size_t>(row)] = true;
            if (row < kChallengeCount) {
                Notify({GameChange::ChallengeSolved, row});
            }
        }
    }
}

} // namespace fenx
