#include "engine/ResultRecord.h"

#include "engine/ResultSlots.h"

#include <array>

namespace engine {

namespace {

namespace slot = resultslots;

// The slot of each annual cost, in the order of AnnualCost; the total power cost has none of its
// own in the file.
constexpr std::array<int, static_cast<std::size_t>(AnnualCost::AnnualCenterCost) + 1> kCostSlots = {
    slot::rent,
    slot::equipmentInsurance,
    slot::propertyTaxes,
    slot::depreciation,
    slot::fixedCosts,
    slot::directWages,
    slot::indirectWages,
    slot::totalWages,
    slot::lightingCost,
    slot::motorCost,
    slot::arcLampCost,
    slot::totalPowerCost,
    slot::variableAndFixedCosts,
    slot::supplies,
    slot::socialSecurityTax(1),
    slot::socialSecurityTax(2),
    slot::socialSecurityTax(3),
    slot::indirectSocialSecurityTax,
    slot::workmansComp,
    slot::unemploymentComp(1),
    slot::unemploymentComp(2),
    slot::unemploymentComp(3),
    slot::indirectUnemploymentComp,
    slot::directInsurance,
    slot::indirectInsurance,
    slot::pension,
    slot::repairs,
    slot::variableCosts,
    slot::factoryCost,
    slot::generalFactoryExpense,
    slot::factoryAndGeneralCost,
    slot::sellingOverhead,
    slot::annualCenterCost,
};
static_assert(kCostSlots[static_cast<std::size_t>(AnnualCost::TotalPowerCost)] == slot::totalPowerCost &&
                  kCostSlots.back() == slot::annualCenterCost,
              "one slot per annual cost, in the order of AnnualCost");
static_assert(ResultRecord::kLevels == slot::kLevels);

} // namespace

// A result's value counts only while its slot has one, and setResult() writes both, so the
// values themselves need no clearing.
void ResultRecord::clear()
{
    m_hasResult = {};
    m_inputs = {};
}

std::optional<double> ResultRecord::annualCost(AnnualCost cost) const
{
    if (cost == AnnualCost::TotalPowerCost)
        return powerTotal();
    return result(kCostSlots.at(static_cast<std::size_t>(cost)));
}

std::optional<double> ResultRecord::rate(HourlyRate rate, int level) const
{
    switch (rate) {
    case HourlyRate::A:
        return result(slot::rateA(level));
    case HourlyRate::B:
        return result(slot::rateB(level));
    case HourlyRate::C:
        break;
    }
    return result(slot::rateC(level));
}

std::optional<double> ResultRecord::chargeableHours(int level) const
{
    return result(slot::chargeableHours(level));
}

double ResultRecord::efficiency(int level) const
{
    return input(slot::efficiency(level));
}

double ResultRecord::employees() const
{
    return input(slot::employees);
}

double ResultRecord::effectiveHorsepower() const
{
    return input(slot::effectiveHorsepower);
}

double ResultRecord::paidHours() const
{
    return input(slot::paidHours);
}

double ResultRecord::hoursNotWorked() const
{
    return input(slot::hoursNotWorked);
}

double ResultRecord::powerTotal() const
{
    double total = 0;
    for (const int part : slot::powerCostParts)
        total += result(part).value_or(0.0);
    return total;
}

} // namespace engine
