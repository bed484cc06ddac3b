#include "dialogs/search_results_model.h"

#include <QString>

namespace fenx {

int SearchResultsModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(stages_.size());
}

QVariant SearchResultsModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() < 0 || index.row() >= rowCount()) {
        return {};
    }
    const int stage = stages_[static_cast<std::size_t>(index.row())];
    if (role == Qt::DisplayRole) {
        return QString::asprintf(" %d : %d", index.row() + 1, stage);
    }
    if (role == Qt::UserRole) {
        return stage;
    }
    return {};
}

void SearchResultsModel::Append(std::span<const int> stageNumbers) {
    if (stageNumbers.empty()) {
        return;
    }
    const int first = rowCount();
    beginInsertRows(QModelIndex(), first, first + static_cast<int>(stageNumbers.size()) - 1);
    stages_.insert(stages_.end(), stageNumbers.begin(), stageNumbers.end());
    endInsertRows();
}

void SearchResultsModel::Clear() {
    beginResetModel();
    stages_.clear();
    endResetModel();
}

} // namespace fenx
