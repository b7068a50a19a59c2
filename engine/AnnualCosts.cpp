// The annual cost of the center, slot by slot in the order the slots depend on each other.
// Products and sums run left to right as bracketed, which fixes the last digit of each value.

#include "engine/CostCalculation.h"
#include "engine/ResultSlots.h"

namespace engine {

namespace slot = resultslots;

// Wage * weekly hours * 52 weeks, for each of the three employees.
void CostCalculation::annualWages()
{
    for (int employee = 1; employee <= slot::kEmployees; ++employee) {
        const int wage = slot::wage(employee);
        setResult(wage, [this, wage] { return (input(wage) * input(slot::weeklyHours)) * 52; });
    }
}

// Rent, then insurance, property taxes and depreciation as percentages of the equipment cost.
void CostCalculation::fixedCosts()
{
    setResult(slot::rent, [this] { return input(slot::workSpace) * input(slot::rent); });
    for (const int cost : {slot::equipmentInsurance, slot::propertyTaxes, slot::depreciation})
        setResult(cost, [this, cost] { return (input(slot::equipmentCost) * input(cost)) / 100; });
    setResult(slot::fixedCosts, [this] {
        return ((result(slot::rent) + result(slot::equipmentInsurance)) + result(slot::propertyTaxes)) +
               result(slot::depreciation);
    });
}

void CostCalculation::totalWages()
{
    setResult(slot::directWages, [this] {
        return (((input(slot::wage(1)) + input(slot::wage(2))) + input(slot::wage(3))) * 52) * input(slot::weeklyHours);
    });
    setResult(slot::indirectWages, [this] { return input(slot::indirectWages); });
    setResult(slot::totalWages, [this] { return result(slot::directWages) + result(slot::indirectWages); });
}

// Lighting, motors (0.746 kW per horsepower) and arc lamps over the paid hours, at the power
// price; then the total of fixed costs, wages and power.
void CostCalculation::powerCosts()
{
    setResult(slot::lightingCost, [this] {
        return (((input(slot::lightingWatts) * input(slot::weeklyHours)) * 52) * input(slot::powerPrice)) / 1000;
    });
    setResult(slot::motorCost, [this] {
        return (((input(slot::weeklyHours) * 52) * input(slot::effectiveHorsepower)) * 0.746) * input(slot::powerPrice);
    });
    setResult(slot::arcLampCost, [this] {
        return (((((input(slot::arcLampWatts) / 1000) * input(slot::weeklyHours)) * 52) * input(slot::arcLampUsage)) /
                100) *
               input(slot::powerPrice);
    });
    setResult(slot::variableAndFixedCosts, [this] {
        return (((result(slot::fixedCosts) + result(slot::totalWages)) + result(slot::lightingCost)) +
                result(slot::motorCost)) +
               result(slot::arcLampCost);
    });
}

// Supplies, then each employee's tax on wages up to the maximum salary: only a wage strictly
// above it is cut to it, and the annual wage is worked out again as wage * 52 * hours.
// Indirect wages are taxed in full.
void CostCalculation::socialSecurityTaxes()
{
    setResult(slot::supplies, [this] { return input(slot::supplies); });
    for (int employee = 1; employee <= slot::kEmployees; ++employee) {
        const int wage = slot::wage(employee);
        setResult(slot::socialSecurityTax(employee), [this, wage] {
            return result(wage) > input(slot::maximumSalary)
                       ? (input(slot::maximumSalary) * input(slot::socialSecurityRate)) / 100
                       : (((input(wage) * 52) * input(slot::weeklyHours)) * input(slot::socialSecurityRate)) / 100;
        });
    }
    setResult(slot::indirectSocialSecurityTax,
              [this] { return (input(slot::indirectWages) * input(slot::socialSecurityRate)) / 100; });
}

void CostCalculation::workmansCompensation()
{
    setResult(slot::workmansComp, [this] { return (input(slot::workmansCompRate) * result(slot::totalWages)) / 100; });
}

// Each employee's annual wages are taxed up to the maximum; indirect wages in full.
void CostCalculation::unemploymentCompensation()
{
    for (int employee = 1; employee <= slot::kEmployees; ++employee) {
        const int wage = slot::wage(employee);
        setResult(slot::unemploymentComp(employee), [this, wage] {
            return result(wage) > input(slot::maximumUnemploymentWages)
                       ? (input(slot::unemploymentRate) * input(slot::maximumUnemploymentWages)) / 100
                       : (input(slot::unemploymentRate) * result(wage)) / 100;
        });
    }
    setResult(slot::indirectUnemploymentComp,
              [this] { return (input(slot::unemploymentRate) * result(slot::indirectWages)) / 100; });
}

// Group insurance per employee, its share for indirect wages in proportion to direct wages,
// pension on total wages, and repairs.
void CostCalculation::insuranceAndPension()
{
    setResult(slot::directInsurance,
              [this] { return (input(slot::groupInsurancePremium) * 52) * input(slot::employees); });
    setResult(slot::indirectInsurance, [this] {
        return (result(slot::indirectWages) / result(slot::directWages)) * result(slot::directInsurance);
    });
    setResult(slot::pension, [this] { return (input(slot::pensionRate) / 100) * result(slot::totalWages); });
    setResult(slot::repairs, [this] { return input(slot::repairs); });
}

// Supplies to repairs, added one at a time. The slot holds the sum so far at each step, so that
// an overflow leaves it where the adding stopped; the sum is carried along rather than read back.
void CostCalculation::totalVariableCosts()
{
    CheckedNumber total = 0.0;
    m_record.setResult(slot::variableCosts, total.value());
    for (int cost = slot::supplies; cost <= slot::repairs; ++cost) {
        total = total + result(cost);
        m_record.setResult(slot::variableCosts, total.value());
    }
}

// Factory cost, with general factory expense, with selling overhead: the annual center cost.
void CostCalculation::totalCosts()
{
    setResult(slot::factoryCost, [this] { return result(slot::variableAndFixedCosts) + result(slot::variableCosts); });
    setResult(slot::generalFactoryExpense, [this] { return input(slot::generalFactoryExpense); });
    setResult(slot::factoryAndGeneralCost,
              [this] { return result(slot::factoryCost) + result(slot::generalFactoryExpense); });
    setResult(slot::sellingOverhead, [this] { return input(slot::sellingOverhead); });
    setResult(slot::annualCenterCost,
              [this] { return result(slot::factoryAndGeneralCost) + result(slot::sellingOverhead); });
}

} // namespace engine
