#pragma once

#include <QSortFilterProxyModel>

namespace forms {

// Sorts a table by its sort role, with the cells that hold nothing (a center never calculated)
// after all the others whichever way the column is sorted, so that the figures lead both ways.
class BlanksLastSort : public QSortFilterProxyModel {
    Q_OBJECT
public:
    using QSortFilterProxyModel::QSortFilterProxyModel;

protected:
    bool lessThan(const QModelIndex& left, const QModelIndex& right) const override;
};

} // namespace forms
