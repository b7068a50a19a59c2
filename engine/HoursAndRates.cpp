// Chargeable hours at the four efficiency levels (slots 77 to 80) and the hourly rates from them.

#include "CostCalculation.h"

namespace {
constexpr int kLevels = 4;
}

// Paid hours of all employees, and those paid but not worked: vacation and holiday days at
// weekly hours / 5 per day.
void CostCalculation::paidHours()
{
    setInput(75, [this] { return (input(20) * 52) * input(13); });
    setInput(76, [this] { return ((input(13) * (input(24) + input(25))) * input(20)) / 5; });
}

// Level 1 from the hours worked; levels 2 to 4 from level 1 by the ratio of their percentages.
void CostCalculation::chargeableHours()
{
    setResult(77, [this] { return ((input(75) - input(76)) * input(77)) / 100; });
    for (int slot = 78; slot < 77 + kLevels; ++slot)
        setResult(slot, [this, slot] { return (result(77) * input(slot)) / input(77); });
}

// A cost per chargeable hour at each level, times the employees since the hours are counted per
// employee. The level's percentage is copied beside the rate even when the rate fails.
void CostCalculation::hourlyRates(int firstRateSlot, int costSlot)
{
    for (int level = 0; level < kLevels; ++level) {
        const int hours = 77 + level;
        setInput(firstRateSlot + level, [this, hours] { return input(hours); });
        setResult(firstRateSlot + level,
                  [this, hours, costSlot] { return (result(costSlot) / result(hours)) * input(13); });
    }
}

// (C) the budgeted hourly cost per employee.
void CostCalculation::employeeRates()
{
    for (int level = 0; level < kLevels; ++level)
        setResult(100 + level, [this, level] { return result(89 + level) / input(13); });
}
