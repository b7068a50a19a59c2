#include "forms/TextTableView.h"

#include "forms/LowerLayers.h"
#include "forms/NamedWidget.h"

#include <QHeaderView>
#include <QTableWidget>

using namespace forms::lowerlayers;

namespace forms {

namespace texttableview {

QTableWidget* create(const char* name, QWidget* parent)
{
    auto* view = named(new QTableWidget(parent), name);
    view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view->setSelectionBehavior(QAbstractItemView::SelectRows);
    view->setSelectionMode(QAbstractItemView::SingleSelection);
    view->setWordWrap(false);
    view->verticalHeader()->hide();
    view->verticalHeader()->setDefaultSectionSize(view->fontMetrics().height() + 6);
    view->horizontalHeader()->setStretchLastSection(true);
    return view;
}

void show(QTableWidget* view, const TextTable& table, const QList<int>& textColumns)
{
    const auto rows = static_cast<int>(table.rows.size());
    const auto columns = static_cast<int>(table.headings.size());
    // Columns fit the first texts shown; later ones keep the widths, which the user may have set.
    const bool fitColumns = view->rowCount() == 0 || view->columnCount() != columns;
    view->setRowCount(rows);
    view->setColumnCount(columns);
    view->setHorizontalHeaderLabels(table.headings);
    for (int row = 0; row < rows; ++row)
        for (int column = 0; column < columns; ++column) {
            QTableWidgetItem* item = view->item(row, column);
            if (!item) {
                item = new QTableWidgetItem;
                const Qt::Alignment side = textColumns.contains(column) ? Qt::AlignLeft : Qt::AlignRight;
                item->setTextAlignment(side | Qt::AlignVCenter);
                view->setItem(row, column, item);
            }
            item->setText(table.rows.at(row).value(column));
        }
    if (fitColumns)
        view->resizeColumnsToContents();
}

} // namespace texttableview

} // namespace forms
