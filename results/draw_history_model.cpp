#include "results/draw_history_model.h"

#include "prizes/money_text.h"

#include <QColor>

namespace orvane {

namespace {

const char* const kRankHeadings[kPaidRankCount] = {"5 + T", "5",     "4 + T", "4",    "3 + T",
                                                   "3",     "2 + T", "1 + T", "0 + T"};

} // namespace

void DrawHistoryModel::showDraws(std::vector<StoredDraw> draws) {
    beginResetModel();
    m_draws = std::move(draws);
    m_check.reset();
    endResetModel();
}

void DrawHistoryModel::showCheck(HistoryCheck check) {
    beginResetModel();
    m_draws.clear();
    m_draws.reserve(check.draws.size());
    for (const DrawResult& result : check.draws)
        m_draws.push_back(result.draw);
    m_check = std::move(check);
    endResetModel();
}

int DrawHistoryModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(m_draws.size());
}

int DrawHistoryModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : ColumnCount;
}

QString DrawHistoryModel::text(int row, int column) const {
    const StoredDraw& stored = m_draws[static_cast<std::size_t>(row)];
    switch (column) {
    case DateColumn:
        return stored.date ? QString::fromStdString(DateText(stored.date))
                           : QStringLiteral("no date");
    case NumbersColumn:
        return QString::fromStdString(MainNumbersText(stored.draw));
    case ThunderballColumn:
        return QString::number(stored.draw.thunderball);
    default:
        break;
    }
    if (!m_check)
        return {};
    const DrawResult& result = m_check->draws[static_cast<std::size_t>(row)];
    if (column == WonColumn)
        return QString::fromStdString(MoneyText(result.won));
    return QString::number(result.counts[static_cast<PrizeRank>(column - FirstRankColumn)]);
}

QVariant DrawHistoryModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount() || index.column() >= ColumnCount)
        return {};
    switch (role) {
    case Qt::DisplayRole:
        return text(index.row(), index.column());
    case Qt::TextAlignmentRole:
        if (index.column() == DateColumn || index.column() == NumbersColumn)
            return QVariant::fromValue(Qt::Alignment(Qt::AlignLeft | Qt::AlignVCenter));
        if (index.column() == WonColumn)
            return QVariant::fromValue(Qt::Alignment(Qt::AlignRight | Qt::AlignVCenter));
        return QVariant::fromValue(Qt::Alignment(Qt::AlignCenter));
    case Qt::ForegroundRole: {
        // What won nothing stays in the background, so the wins stand out.
        if (!m_check || index.column() < FirstRankColumn)
            return {};
        const DrawResult& result = m_check->draws[static_cast<std::size_t>(index.row())];
        const bool nothing =
            index.column() == WonColumn
                ? result.won == 0
                : result.counts[static_cast<PrizeRank>(index.column() - FirstRankColumn)] == 0;
        return nothing ? QVariant(QColor(Qt::gray)) : QVariant();
    }
    default:
        return {};
    }
}

QVariant DrawHistoryModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return {};
    switch (section) {
    case DateColumn:
        return QStringLiteral("Date");
    case NumbersColumn:
        return QStringLiteral("Main numbers");
    case ThunderballColumn:
        return QStringLiteral("T");
    case WonColumn:
        return QStringLiteral("Won");
    default:
        if (section >= FirstRankColumn && section < WonColumn)
            return QString::fromLatin1(kRankHeadings[section - FirstRankColumn]);
        return {};
    }
}

} // namespace orvane
