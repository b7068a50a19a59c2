#include "PlantTableModel.h"

#include "DisplayPattern.h"
#include "PlantExport.h"
#include "ResultSlots.h"

#include <utility>

namespace {

using plantoverview::CenterRow;
using plantoverview::CenterState;

enum class Kind { Text, Amount, Money, Hours, Percent };

Kind kindOf(int column)
{
    switch (column) {
    case PlantTableModel::Name:
    case PlantTableModel::State:
        return Kind::Text;
    case PlantTableModel::AnnualCost:
        return Kind::Amount;
    case PlantTableModel::ChargeableHours:
        return Kind::Hours;
    case PlantTableModel::Efficiency1:
    case PlantTableModel::Efficiency2:
    case PlantTableModel::Efficiency3:
    case PlantTableModel::Efficiency4:
        return Kind::Percent;
    default:
        return Kind::Money;
    }
}

// The level whose efficiency or rate (B) the column shows, counted from 1.
int levelOf(int column)
{
    return (column - PlantTableModel::Efficiency1) / 2 + 1;
}

std::optional<double> figure(const ResultRecord& record, int column)
{
    namespace slot = resultslots;
    switch (column) {
    case PlantTableModel::AnnualCost:
        return record.result(slot::annualCenterCost);
    case PlantTableModel::ChargeableHours:
        return record.result(slot::chargeableHours(1));
    case PlantTableModel::Efficiency1:
    case PlantTableModel::Efficiency2:
    case PlantTableModel::Efficiency3:
    case PlantTableModel::Efficiency4:
        return record.input(slot::efficiency(levelOf(column)));
    case PlantTableModel::RateB1:
    case PlantTableModel::RateB2:
    case PlantTableModel::RateB3:
    case PlantTableModel::RateB4:
        return record.result(slot::rateB(levelOf(column)));
    case PlantTableModel::RateA1:
        return record.result(slot::rateA(1));
    case PlantTableModel::RateC1:
        return record.result(slot::rateC(1));
    default:
        return std::nullopt;
    }
}

QString shown(const std::optional<double>& value, Kind kind)
{
    switch (kind) {
    case Kind::Amount:
        return numbers::formatResult(value, numbers::kAmountPattern);
    case Kind::Money:
        return numbers::formatResult(value, numbers::kMoneyPattern);
    case Kind::Hours:
        return numbers::formatResult(value, numbers::kHoursPattern);
    case Kind::Percent: {
        const QString percent = numbers::formatResult(value, numbers::kPercentPattern);
        return percent.isEmpty() ? percent : percent + u'%';
    }
    case Kind::Text:
        break;
    }
    return {};
}

std::optional<double> figureOf(const CenterRow& row, int column)
{
    return row.record ? figure(*row.record, column) : std::nullopt;
}

QString toolTipOf(const CenterRow& row)
{
    switch (row.state) {
    case CenterState::Stale:
        return QStringLiteral(
                   "Saved with other plant figures; changed since: %1.\nRecalculate All brings it up to date.")
            .arg(row.changedInputs.join(QStringLiteral(", ")));
    case CenterState::Unreadable:
        return row.problem;
    default:
        return plantoverview::stateText(row);
    }
}

} // namespace

void PlantTableModel::setOverview(plantoverview::Overview overview)
{
    beginResetModel();
    m_overview = std::move(overview);
    endResetModel();
}

int PlantTableModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(m_overview.centers.size());
}

int PlantTableModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant PlantTableModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount())
        return {};
    const CenterRow& row = m_overview.centers.at(index.row());
    const int column = index.column();
    const Kind kind = kindOf(column);
    switch (role) {
    case Qt::DisplayRole:
        if (column == Name)
            return row.name;
        if (column == State)
            return plantoverview::stateText(row);
        return shown(figureOf(row, column), kind);
    case SortRole:
        if (column == Name)
            return row.name;
        if (column == State)
            return plantoverview::stateText(row);
        if (const std::optional<double> value = figureOf(row, column))
            return *value;
        return {};
    case Qt::TextAlignmentRole:
        return kind == Kind::Text ? QVariant(int(Qt::AlignLeft | Qt::AlignVCenter))
                                  : QVariant(int(Qt::AlignRight | Qt::AlignVCenter));
    case Qt::ToolTipRole:
        return column == State || column == Name ? QVariant(toolTipOf(row)) : QVariant();
    default:
        return {};
    }
}

QVariant PlantTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole)
        return QAbstractTableModel::headerData(section, orientation, role);
    if (orientation == Qt::Vertical)
        return section + 1;
    // The same headings as the exported and the printed table, column for column.
    static const QStringList headings = plantexport::columnHeadings();
    return section >= 0 && section < headings.size() ? QVariant(headings.at(section)) : QVariant();
}
