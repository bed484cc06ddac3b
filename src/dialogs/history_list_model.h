// The History dialog's lines: one per entry of the history, oldest first.
// A line's text is made only when the list draws it, so the model holds no
// more than the entries themselves.
#pragma once

#include <QAbstractListModel>

#include <vector>

#include "selection/history_list.h"

namespace fenx {

class HistoryListModel : public QAbstractListModel {
  public:
    HistoryListModel(std::vector<HistoryEntry> entries, QObject* parent);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

    // The entry of a line; the row must be one of the model's.
    const HistoryEntry& Entry(int row) const { return entries_[static_cast<std::size_t>(row)]; }

  private:
    std::vector<HistoryEntry> entries_;
};

} // namespace fenx
