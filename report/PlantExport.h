#pragma once

#include "engine/PlantOverview.h"
#include "report/PrintJob.h"

#include <QByteArray>
#include <QList>
#include <QStringList>

#include <functional>
#include <optional>

namespace report {

// The plant overview as spreadsheets and printers take it.
namespace plantexport {

// The column headings of the CSV file, as a spreadsheet reads them back: never translated.
QStringList columnHeadings();

// The same headings in the user's language, for the window's table.
QStringList shownColumnHeadings();

// One column of figures, between the name and the state: where the record holds the figure, the
// display pattern it is shown in, and its width in the printed table.
struct FigureColumn {
    std::function<std::optional<double>(const engine::ResultRecord&)> value;
    QString pattern;
    int printedWidth;
};
// In column order: total annual cost, chargeable hours, efficiency and rate (B) at each level,
// rates (A) and (C) at the first level.
const QList<FigureColumn>& figureColumns();

// One row of figures per center, as CSV: a header row; commas between fields; a field that holds
// a comma, a double quote or a line break in double quotes with its quotes doubled; numbers
// unformatted with "." as the decimal point and no currency sign, an empty field where there is
// no figure; a text that a spreadsheet would take for a formula (it begins with "=", "+", "-",
// "@", a tab or a carriage return) after a "'"; UTF-8 without byte order mark; lines ended by
// CR LF.
QByteArray csv(const engine::plantoverview::Overview& overview);

// The printed overview (landscape): a heading with the year, one line per center with the
// program's display formats and the state of each, then the picture of annual cost by center.
PrintJob printed(const engine::plantoverview::Overview& overview, int year);

} // namespace plantexport

} // namespace report
