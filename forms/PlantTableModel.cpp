#include "forms/PlantTableModel.h"

#include "forms/LowerLayers.h"
#include "report/PlantExport.h"
#include "textrules/DisplayPattern.h"

#include <utility>

using namespace forms::lowerlayers;

namespace forms {

namespace {

using plantoverview::CenterRow;
using plantoverview::CenterState;

// A figure's column in the exported table: the one after the name is the first figure.
const plantexport::FigureColumn* figureColumnOf(int column)
{
    const QList<plantexport::FigureColumn>& figures = plantexport::figureColumns();
    const qsizetype index = column - PlantTableModel::Name - 1;
    return index >= 0 && index < figures.size() ? &figures.at(index) : nullptr;
}

std::optional<double> figureOf(const CenterRow& row, const plantexport::FigureColumn& column)
{
    return row.record ? column.value(*row.record) : std::nullopt;
}

// The figure as the display pattern writes it; percentages carry their sign on screen.
QString shown(const std::optional<double>& value, const QString& pattern)
{
    const QString text = numbers::formatResult(value, pattern);
    return pattern == numbers::kPercentPattern && !text.isEmpty() ? text + u'%' : text;
}

QString toolTipOf(const CenterRow& row)
{
    switch (row.state) {
    case CenterState::Stale:
        return PlantTableModel::tr(
                   "Saved with other plant figures; changed since: %1.\nRecalculate All brings it up to date.")
            .arg(row.changedInputs.join(QStringLiteral(", ")));
    case CenterState::Unreadable:
        return row.problem;
    case CenterState::Unknown:
        return PlantTableModel::tr("Whether its saved rates are current cannot be told: %1").arg(row.problem);
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
    const plantexport::FigureColumn* figure = figureColumnOf(column);
    switch (role) {
    case Qt::DisplayRole:
        if (figure)
            return shown(figureOf(row, *figure), figure->pattern);
        return column == Name ? row.name : plantoverview::stateText(row);
    case SortRole:
        if (!figure)
            return column == Name ? row.name : plantoverview::stateText(row);
        if (const std::optional<double> value = figureOf(row, *figure))
            return *value;
        return {};
    case Qt::TextAlignmentRole:
        return figure ? QVariant(int(Qt::AlignRight | Qt::AlignVCenter))
                      : QVariant(int(Qt::AlignLeft | Qt::AlignVCenter));
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
    // The same headings as the printed table, column for column.
    const QStringList& headings = m_headings;
    return section >= 0 && section < headings.size() ? QVariant(headings.at(section)) : QVariant();
}

} // namespace forms
