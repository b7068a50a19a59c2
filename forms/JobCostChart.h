#pragma once

#include "pricing/JobCost.h"

class QChart;

namespace forms {

// The job's cost by center at one efficiency level: a bar per center, cheapest first, with the
// price quoted as a marker above it; the center the quote is for stands out. Where not all fit,
// the cheapest are drawn and a line says how many are left out.
namespace jobcostchart {

// A new chart; the caller owns it (or hands it to a view).
QChart* build(const pricing::jobcost::Costing& costing, int level, const QString& quotedCenter, int mostShown);

} // namespace jobcostchart

} // namespace forms
