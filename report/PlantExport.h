#pragma once

#include "PlantOverview.h"
#include "PrintJob.h"

#include <QByteArray>
#include <QStringList>

// The plant overview as spreadsheets and printers take it.
namespace plantexport {

// The column headings shared by the window, the CSV file and the printed table.
QStringList columnHeadings();

// One row of figures per center, as CSV: a header row; commas between fields; a field that holds
// a comma, a double quote or a line break in double quotes with its quotes doubled; numbers
// unformatted with "." as the decimal point and no currency sign, an empty field where there is
// no figure; UTF-8 without byte order mark; lines ended by CR LF.
QByteArray csv(const plantoverview::Overview& overview);

// The printed table (landscape): a heading with the year, one line per center with the program's
// display formats, and the state of each. The window adds its picture after it.
PrintJob printedTable(const plantoverview::Overview& overview, int year);

} // namespace plantexport
