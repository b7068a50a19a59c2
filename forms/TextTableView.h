#pragma once

#include "report/TextTable.h"

#include <QList>

class QTableWidget;
class QWidget;

namespace forms {

// A read-only table of texts in a window: whole rows selected, no row numbers, figures at the
// right of their cells.
namespace texttableview {

QTableWidget* create(const char* name, QWidget* parent);

// Shows the texts, reusing the cells where the table keeps its shape, so that a table shown
// anew at every keystroke keeps its scroll position and chosen row. The text columns stand at
// the left, the others, of figures, at the right.
void show(QTableWidget* view, const report::TextTable& table, const QList<int>& textColumns = {0});

} // namespace texttableview

} // namespace forms
