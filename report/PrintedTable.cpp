#include "report/PrintedTable.h"

#include <algorithm>

namespace report {

namespace printedtable {
namespace {

constexpr int kGap = 2;

QList<qsizetype> columnWidths(const TextTable& table)
{
    QList<qsizetype> widths;
    for (const QString& heading : table.headings)
        widths.append(heading.size());
    for (const QStringList& row : table.rows)
        for (qsizetype column = 0; column < std::min(row.size(), widths.size()); ++column)
            widths[column] = std::max(widths[column], row[column].size());
    return widths;
}

QString line(const QStringList& cells, const QList<qsizetype>& widths, const QList<Align>& align)
{
    QString text;
    for (qsizetype column = 0; column < std::min(cells.size(), widths.size()); ++column) {
        const bool right = column < align.size() && align[column] == Align::Right;
        const auto width = static_cast<int>(widths[column]);
        text += (column > 0 ? QString(kGap, u' ') : QString()) +
                (right ? cells[column].rightJustified(width) : cells[column].leftJustified(width));
    }
    while (text.endsWith(u' '))
        text.chop(1);
    return text;
}

} // namespace

void print(PrintJob& job, const TextTable& table, const QList<Align>& align)
{
    const QList<qsizetype> widths = columnWidths(table);
    const QString headings = line(table.headings, widths, align);
    job.printLine(headings).printLine(QString(headings.size(), u'-'));
    for (const QStringList& row : table.rows)
        job.printLine(line(row, widths, align));
}

} // namespace printedtable

} // namespace report
