// The Challenge dialog's lines: one per row of the challenge table, in table
// order, each marked with whether the row was solved when the dialog opened
// or since.
#pragma once

#include <QAbstractListModel>

#include <array>

#include "selection/challenge_table.h"

namespace fenx {

class ChallengeListModel : public QAbstractListModel {
  public:
    using Solved = std::array<bool, kChallengeCount>;
    ChallengeListModel(const Solved& solved, QObject* parent);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

    // The row's line turns to the solved mark where it stands.
    void MarkSolved(int row);

  private:
    Solved solved_;
};

} // namespace fenx
