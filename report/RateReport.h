#pragma once

#include "engine/ResultRecord.h"
#include "report/PrintJob.h"

#include <QString>

namespace report {

// The printed budgeted hourly rate report: the heading with the name, the annual budget with
// its subtotals, the overhead totals, the definitions of the rates and the rate table.
PrintJob rateReport(const QString& equipmentName, const engine::ResultRecord& record);

} // namespace report
