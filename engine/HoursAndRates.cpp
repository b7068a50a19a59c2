// Chargeable hours at the four efficiency levels and the hourly rates from them.

#include "engine/CostCalculation.h"
#include "engine/ResultSlots.h"

namespace engine {

namespace slot = resultslots;

// Paid hours of all employees, and those paid but not worked: vacation and holiday days at
// weekly hours / 5 per day.
void CostCalculation::paidHours()
{
    setInput(slot::paidHours, [this] { return (input(slot::weeklyHours) * 52) * input(slot::employees); });
    setInput(slot::hoursNotWorked, [this] {
        return ((input(slot::employees) * (input(slot::vacationDays) + input(slot::holidays))) *
                input(slot::weeklyHours)) /
               5;
    });
}

// Level 1 from the hours worked; levels 2 to 4 from level 1 by the ratio of their percentages.
void CostCalculation::chargeableHours()
{
    setResult(slot::chargeableHours(1), [this] {
        return ((input(slot::paidHours) - input(slot::hoursNotWorked)) * input(slot::efficiency(1))) / 100;
    });
    for (int level = 2; level <= slot::kLevels; ++level)
        setResult(slot::chargeableHours(level), [this, level] {
            return (result(slot::chargeableHours(1)) * input(slot::efficiency(level))) / input(slot::efficiency(1));
        });
}

// A cost per chargeable hour at each level, times the employees since the hours are counted per
// employee. The level's percentage is copied beside the rate even when the rate fails.
template <int (*rate)(int level)> void CostCalculation::hourlyRates(int costSlot)
{
    for (int level = 1; level <= slot::kLevels; ++level) {
        setInput(rate(level), [this, level] { return input(slot::efficiency(level)); });
        setResult(rate(level), [this, level, costSlot] {
            return (result(costSlot) / result(slot::chargeableHours(level))) * input(slot::employees);
        });
    }
}

// The two rates run() works out: (A) manufacturing cost per hour and (B) budgeted hourly cost.
template void CostCalculation::hourlyRates<slot::rateA>(int costSlot);
template void CostCalculation::hourlyRates<slot::rateB>(int costSlot);

// (C) the budgeted hourly cost per employee.
void CostCalculation::employeeRates()
{
    for (int level = 1; level <= slot::kLevels; ++level)
        setResult(slot::rateC(level), [this, level] { return result(slot::rateB(level)) / input(slot::employees); });
}

} // namespace engine
