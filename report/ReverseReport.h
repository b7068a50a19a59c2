#pragma once

#include "pricing/CenterAnalysis.h"
#include "report/PrintJob.h"

namespace report {

// The printed reverse-engineering report: the heading with the name, the speed sentence, the
// prices, the cost sentence and the table of cost and retail by quantity, ended as a document.
// Expects an analysis in which every step succeeded.
PrintJob reverseReport(const QString& name, const pricing::CenterAnalysis& analysis);

} // namespace report
