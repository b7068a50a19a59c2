#include "engine/CostFormulas.h"

#include "engine/CostCalculation.h"

using namespace textrules;
using namespace store;

namespace engine {

CostOutcome calculateCosts(const InputTexts& texts, ResultRecord& record)
{
    record.clear();
    try {
        CostCalculation calculation(record);
        calculation.runFormulas(texts);
    } catch (const ArithmeticFailure&) {
        // A division by zero is settled inside its own formula, so only an overflow gets here.
        return CostOutcome::Overflow;
    }
    return CostOutcome::Completed;
}

} // namespace engine
