#pragma once

#include "MarketCheck.h"
#include "PrintJob.h"

// The printed page's text: heading, the market's price, the press's own figures, the figures
// and the verdict. Every line stands three columns in, wrapped lines too. The caller adds the
// pictures and ends the document.
PrintJob marketCheckReport(const QString& name, const CenterAnalysis& analysis, const marketcheck::MarketCheck& check);
