#pragma once

#include "engine/ResultRecord.h"
#include "store/InputTexts.h"

namespace engine {

enum class CostOutcome {
    Completed, // the record is filled and ready to be saved
    Overflow,  // the calculation stopped (0 divided by 0, or a number beyond a double): save nothing
};

// Clears the record and runs the cost formulas on the texts. A division by zero leaves its slot
// empty and the calculation goes on; an overflow stops it at once, leaving the record as far as
// it got.
[[nodiscard]] CostOutcome calculateCosts(const store::InputTexts& texts, ResultRecord& record);

} // namespace engine
