#pragma once

#include "pricing/JobCost.h"
#include "report/PrintJob.h"

namespace report {

// The printed quote of a job on one center, on one page: the job, the center and its rate, the
// press hours, the cost, the mark-up, the price and the price list. Ended and ready to print;
// the center must have a price at the level.
PrintJob jobQuote(const QString& description, const pricing::jobcost::Job& job,
                  const pricing::jobcost::CenterCost& center, int level);

} // namespace report
