// The search dialog's results: one line " k : N" per stage number found,
// numbered from 1 in the order found, with N as the line's item data
// (Qt::UserRole). Lines are only ever added at the end or all removed.
#pragma once

#include <QAbstractListModel>

#include <span>
#include <vector>

namespace fenx {

class SearchResultsModel : public QAbstractListModel {
    Q_OBJECT
  public:
    using QAbstractListModel::QAbstractListModel;

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

    void Append(std::span<const int> stageNumbers);
    void Clear();
    const std::vector<int>& stageNumbers() const { return stages_; }

  private:
    std::vector<int> stages_;
};

} // namespace fenx
