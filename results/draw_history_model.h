#pragma once
// The rows of the history window's table: one stored draw a row, newest first, with what the
// boards won in it once every draw has been checked. Texts are made only for the rows in view, so
// thousands of draws show as fast as a few.

#include "results/draw_history_check.h"

#include <QAbstractTableModel>

#include <optional>
#include <vector>

namespace orvane {

class DrawHistoryModel final : public QAbstractTableModel {
    Q_OBJECT
  public:
    enum Column {
        DateColumn,
        NumbersColumn,
        ThunderballColumn,
        FirstRankColumn, // then one column a prize rank, in the order of PrizeRank
        WonColumn = FirstRankColumn + kPaidRankCount,
        ColumnCount,
    };

    using QAbstractTableModel::QAbstractTableModel;

    // Shows `draws` with nothing checked.
    void showDraws(std::vector<StoredDraw> draws);
    // Shows the draws checked and what each won.
    void showCheck(HistoryCheck check);

    const std::vector<StoredDraw>& draws() const { return m_draws; }
    const std::optional<HistoryCheck>& check() const { return m_check; }

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

  private:
    QString text(int row, int column) const;

    std::vector<StoredDraw> m_draws;
    std::optional<HistoryCheck> m_check;
};

} // namespace orvane
