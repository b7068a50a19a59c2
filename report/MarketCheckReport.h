#pragma once

#include "pricing/MarketCheck.h"
#include "report/PrintJob.h"

namespace report {

// The printed page: heading, the market's price, the press's own figures, the figures and the
// verdict, every line three columns in, wrapped lines too; then the pictures of price and
// break-even efficiency by quantity.
PrintJob marketCheckReport(const QString& name, const pricing::CenterAnalysis& analysis,
                           const pricing::marketcheck::MarketCheck& check);

} // namespace report
