#pragma once

#include "pricing/JobCost.h"

#include <QAbstractTableModel>

namespace forms {

// The job costed on every center, a row each: the centers that can be costed first, in list
// order, then those that cannot, with what they lack. Each press's speed and set-up time are
// typed in its row.
class JobCostTableModel : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Column { Center, Speed, SetUp, Hours, Cost1, Cost2, Cost3, Cost4, Price, OverCheapest, Note, ColumnCount };

    explicit JobCostTableModel(QObject* parent = nullptr) : QAbstractTableModel(parent) {}

    // The costing, with its price and difference to the cheapest at the level (1 to 4).
    void setCosting(const pricing::jobcost::Costing* costing, int level);
    // No costing any more, as when the window that holds it is taken down.
    void forgetCosting();
    QString nameAt(int row) const;
    int rowOf(const QString& name) const;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;

signals:
    // The user typed a press's speed or set-up time; the other figure stays as it was.
    void pressFiguresTyped(const QString& center, const store::pressfigures::Typed& typed);

private:
    QString figureText(const pricing::jobcost::CenterCost& center, int column) const;

    const pricing::jobcost::Costing* m_costing = nullptr; // the window's own
    QStringList m_names;                                  // the centers' names, row by row
    int m_level = 1;
};

} // namespace forms
