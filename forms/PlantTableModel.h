#pragma once

#include "engine/PlantOverview.h"
#include "report/PlantExport.h"

#include <QAbstractTableModel>

namespace forms {

// The rows of the plant overview table: one per listed name, with its figures as the display
// formats show them and, for sorting, as numbers.
class PlantTableModel : public QAbstractTableModel {
    Q_OBJECT
public:
    // What a column holds, in the order of the exported table's columns; the rate (B) and
    // efficiency columns repeat for each level.
    enum Column {
        Name,
        AnnualCost,
        ChargeableHours,
        Efficiency1,
        RateB1,
        Efficiency2,
        RateB2,
        Efficiency3,
        RateB3,
        Efficiency4,
        RateB4,
        RateA1,
        RateC1,
        State,
        ColumnCount
    };
    // The value a column sorts by: a number for figures, so that $9.00 comes before $10.00.
    static constexpr int SortRole = Qt::UserRole;

    explicit PlantTableModel(QObject* parent = nullptr) : QAbstractTableModel(parent) {}

    void setOverview(engine::plantoverview::Overview overview);
    const engine::plantoverview::Overview& overview() const { return m_overview; }
    QString nameAt(int row) const { return m_overview.centers.at(row).name; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

private:
    engine::plantoverview::Overview m_overview;
    QStringList m_headings = report::plantexport::shownColumnHeadings();
};

} // namespace forms
