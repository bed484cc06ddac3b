#include "dialogs/challenge_list_model.h"

#include <QString>

#include "selection/challenge_line.h"

namespace fenx {

ChallengeListModel::ChallengeListModel(const Solved& solved, Language language, QObject* parent)
    : QAbstractListModel(parent), solved_(solved), language_(language) {}

int ChallengeListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : kChallengeCount;
}

QVariant ChallengeListModel::data(const QModelIndex& index, int role) const {
    if (role != Qt::DisplayRole || !index.isValid() || index.row() >= kChallengeCount) {
        return {};
    }
    const auto row = static_cast<std::size_t>(index.row());
    return QString::fromStdString(ChallengeListLine(ChallengeTable[row], solved_[row], language_));
}

void ChallengeListModel::MarkSolved(int row) {
    if (row < 0 || row >= kChallengeCount || solved_[static_cast<std::size_t>(row)]) {
        return;
    }
    solved_[static_cast<std::size_t>(row)] = true;
    const QModelIndex changed = index(row);
    emit dataChanged(changed, changed, {Qt::DisplayRole});
}

} // namespace fenx
