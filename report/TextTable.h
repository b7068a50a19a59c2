#pragma once

#include <QList>
#include <QStringList>

namespace report {

// A table of texts for the user to read: its headings, then rows of cells in the same order.
struct TextTable {
    QStringList headings;
    QList<QStringList> rows;
};

} // namespace report
