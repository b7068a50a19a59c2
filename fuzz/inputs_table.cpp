// The spreadsheet table of inputs on any bytes: reading always ends; a table read and written
// back row by row reads back the same; and an import plan accounts for every row below the
// heading once, as changed, unchanged or refused.
#include "fuzz/FuzzSupport.h"
#include "store/CsvTable.h"
#include "store/InputsImport.h"

#include <cstddef>
#include <cstdint>

using namespace store;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    const csv::Table table = csv::parse(bytes);
    if (!table.ok())
        return 0;
    fuzz::require(table.rows.size() == table.rowNumbers.size(), "each row has its number");
    QByteArray written;
    for (const QStringList& row : table.rows)
        written += csv::line(row);
    fuzz::require(csv::parse(written).rows == table.rows, "a table written back reads back the same");
    for (const QStringList& row : table.rows)
        for (const QString& cell : row)
            fuzz::require(csv::fromCell(csv::textCell(cell)) == cell && csv::fromCell(csv::boxCell(cell)) == cell,
                          "a text guarded against formulas reads back as it was");

    const inputsimport::Plan plan = inputsimport::plan(fuzz::scratchFolder(), bytes);
    if (!plan.problem.isEmpty())
        return 0;
    const qsizetype accounted = plan.centers.size() + (plan.plant ? 1 : 0) + plan.unchanged + plan.refused.size();
    fuzz::require(accounted == table.rows.size() - 1, "every row below the heading is planned once");
    return 0;
}
