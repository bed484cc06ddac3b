// The Challenge dialog's lines: one per row of the challenge table, in table
// order, each marked with whether the row was solved when the dialog opened
// or since, in the language the dialog speaks.
#pragma once

#include <QAbstractListModel>

#include <array>

#include "core/language.h"
#include "selection/challenge_table.h"

namespace fenx {

class ChallengeListModel : public QAbstractListModel {
  public:
    using Solved = std::array<bool, kChallengeCount>;
    ChallengeListModel(const Solved& solved, Language language, QObject* parent);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

    // The row's line turns to the solved mark where it stands.
    void MarkSolved(int row);

  private:
    Solved solved_;
    Language language_;
};

} // namespace fenx
