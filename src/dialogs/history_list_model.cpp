#include "dialogs/history_list_model.h"

#include <QString>

#include <utility>

namespace fenx {

HistoryListModel::HistoryListModel(std::vector<HistoryEntry> entries, QObject* parent)
    : QAbstractListModel(parent), entries_(std::move(entries)) {}

int HistoryListModel::rowCount(const QModelIndex& parent) const {
    // Only the last few megabytes of the file are read, which hold far
    // fewer lines than an int counts.
    return parent.isValid() ? 0 : static_cast<int>(entries_.size());
}

QVariant HistoryListModel::data(const QModelIndex& index, int role) const {
    if (role != Qt::DisplayRole || !index.isValid() || index.row() >= rowCount()) {
        return {};
    }
    return QString::fromStdString(HistoryListLine(Entry(index.row())));
}

} // namespace fenx
