#include "forms/JobCostTableModel.h"

#include "forms/LowerLayers.h"
#include "report/JobCostTexts.h"

#include <QBrush>
#include <QColor>
#include <QFont>

using namespace forms::lowerlayers;

namespace forms {

using namespace jobcost;
namespace texts = jobcosttexts;

namespace {

const QColor kCheapestBackground(0xdd, 0xf0, 0xdd);
const QColor kGapText(0xa0, 0x30, 0x30);

bool isPressFigure(int column)
{
    return column == JobCostTableModel::Speed || column == JobCostTableModel::SetUp;
}

QString shown(const std::optional<double>& value)
{
    return value ? texts::money(*value) : QString();
}

} // namespace

// The rows change in place, so that a cell being typed in stays open on its center: the same
// centers in another order move with their editors and the cursor, and only another list of
// centers starts the table afresh.
void JobCostTableModel::forgetCosting()
{
    beginResetModel();
    m_costing = nullptr;
    m_names.clear();
    endResetModel();
}

void JobCostTableModel::setCosting(const Costing* costing, int level)
{
    QStringList names;
    names.reserve(costing->centers.size());
    for (const CenterCost& center : costing->centers)
        names.append(center.name);
    QStringList sortedBefore = m_names;
    QStringList sortedNow = names;
    sortedBefore.sort();
    sortedNow.sort();
    if (sortedBefore != sortedNow) {
        beginResetModel();
        m_costing = costing;
        m_level = level;
        m_names = names;
        endResetModel();
        return;
    }
    emit layoutAboutToBeChanged();
    m_costing = costing;
    m_level = level;
    const QModelIndexList before = persistentIndexList();
    QModelIndexList after;
    after.reserve(before.size());
    for (const QModelIndex& index : before)
        after.append(this->index(static_cast<int>(names.indexOf(m_names.at(index.row()))), index.column()));
    changePersistentIndexList(before, after);
    m_names = names;
    emit layoutChanged();
    if (!names.isEmpty())
        emit dataChanged(index(0, 0), index(rowCount() - 1, ColumnCount - 1));
    emit headerDataChanged(Qt::Horizontal, 0, ColumnCount - 1);
}

QString JobCostTableModel::nameAt(int row) const
{
    return m_names.at(row);
}

int JobCostTableModel::rowOf(const QString& name) const
{
    return static_cast<int>(m_names.indexOf(name));
}

int JobCostTableModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() || !m_costing ? 0 : static_cast<int>(m_costing->centers.size());
}

int JobCostTableModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QString JobCostTableModel::figureText(const CenterCost& center, int column) const
{
    switch (column) {
    case Center:
        return center.name;
    case Speed:
        return center.typed.speed;
    case SetUp:
        return center.typed.setUpMinutes;
    case Hours:
        return center.hours ? texts::hours(*center.hours) : QString();
    case Price:
        return shown(center.price[m_level - 1]);
    case OverCheapest:
        return shown(m_costing->overCheapest(center, m_level));
    case Note:
        return texts::centerNote(*m_costing, center, m_level);
    default:
        return shown(center.cost[column - Cost1]);
    }
}

QVariant JobCostTableModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount())
        return {};
    const CenterCost& center = m_costing->centers.at(index.row());
    const int column = index.column();
    switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole:
        return figureText(center, column);
    case Qt::ToolTipRole:
        return column == Center || column == Note ? QVariant(figureText(center, column)) : QVariant();
    case Qt::TextAlignmentRole:
        return int(column == Center || column == Note ? Qt::AlignLeft | Qt::AlignVCenter
                                                      : Qt::AlignRight | Qt::AlignVCenter);
    case Qt::FontRole: {
        QFont font;
        font.setBold(m_costing->isCheapest(center, m_level));
        return font;
    }
    case Qt::BackgroundRole:
        return m_costing->isCheapest(center, m_level) ? QVariant(QBrush(kCheapestBackground)) : QVariant();
    case Qt::ForegroundRole:
        return !center.ready() && column == Note ? QVariant(QBrush(kGapText)) : QVariant();
    default:
        return {};
    }
}

QVariant JobCostTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole || orientation == Qt::Vertical)
        return QAbstractTableModel::headerData(section, orientation, role);
    const auto level = [this](int number) {
        return m_costing ? texts::levelName(*m_costing, number) : tr("level %1").arg(number);
    };
    switch (section) {
    case Center:
        return tr("Center");
    case Speed:
        return tr("Speed\n(iph)");
    case SetUp:
        return tr("Set-up\n(minutes)");
    case Hours:
        return tr("Press\nhours");
    case Price:
        return tr("Price\n") + level(m_level);
    case OverCheapest:
        return tr("Over the\ncheapest");
    case Note:
        return tr("Note");
    default:
        return tr("Cost\n") + level(section - Cost1 + 1);
    }
}

Qt::ItemFlags JobCostTableModel::flags(const QModelIndex& index) const
{
    const Qt::ItemFlags flags = QAbstractTableModel::flags(index);
    return isPressFigure(index.column()) ? flags | Qt::ItemIsEditable : flags;
}

bool JobCostTableModel::setData(const QModelIndex& index, const QVariant& value, int role)
{
    if (role != Qt::EditRole || !isPressFigure(index.column()) || index.row() >= rowCount())
        return false;
    const CenterCost& center = m_costing->centers.at(index.row());
    pressfigures::Typed typed = center.typed;
    (index.column() == Speed ? typed.speed : typed.setUpMinutes) = value.toString();
    if (typed == center.typed)
        return false;
    const QString name = center.name; // the costing is made anew while the signal is handled
    emit pressFiguresTyped(name, typed);
    return true;
}

} // namespace forms
