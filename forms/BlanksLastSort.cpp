#include "forms/BlanksLastSort.h"

namespace forms {

namespace {
bool blank(const QVariant& value)
{
    return !value.isValid() || (value.typeId() == QMetaType::QString && value.toString().isEmpty());
}
} // namespace

bool BlanksLastSort::lessThan(const QModelIndex& left, const QModelIndex& right) const
{
    const bool leftBlank = blank(left.data(sortRole()));
    const bool rightBlank = blank(right.data(sortRole()));
    if (leftBlank != rightBlank)
        // A descending sort puts the greater first, so there a blank must count as the lesser.
        return sortOrder() == Qt::AscendingOrder ? rightBlank : leftBlank;
    return QSortFilterProxyModel::lessThan(left, right);
}

} // namespace forms
