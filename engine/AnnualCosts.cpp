// The annual cost of the center, slot by slot in the order the slots depend on each other.
// Products and sums run left to right as bracketed, which fixes the last digit of each value.

#include "CostCalculation.h"

namespace {
constexpr int kEmployees = 3; // wage slots 21 to 23
}

// Wage * weekly hours * 52 weeks, for each of the three employees.
void CostCalculation::annualWages()
{
    for (int slot = 21; slot < 21 + kEmployees; ++slot)
        setResult(slot, [this, slot] { return (input(slot) * input(20)) * 52; });
}

// Rent, then insurance, property taxes and depreciation as percentages of the equipment cost.
void CostCalculation::fixedCosts()
{
    setResult(28, [this] { return input(14) * input(28); });
    setResult(29, [this] { return (input(12) * input(29)) / 100; });
    setResult(30, [this] { return (input(12) * input(30)) / 100; });
    setResult(31, [this] { return (input(12) * input(31)) / 100; });
    setResult(33, [this] { return ((result(28) + result(29)) + result(30)) + result(31); });
}

void CostCalculation::totalWages()
{
    setResult(36, [this] { return (((input(21) + input(22)) + input(23)) * 52) * input(20); });
    setResult(37, [this] { return input(37); });
    setResult(39, [this] { return result(36) + result(37); });
}

// Lighting, motors (0.746 kW per horsepower) and arc lamps over the paid hours, at the power
// price; then the total of fixed costs, wages and power.
void CostCalculation::powerCosts()
{
    setResult(41, [this] { return (((input(19) * input(20)) * 52) * input(15)) / 1000; });
    setResult(42, [this] { return (((input(20) * 52) * input(16)) * 0.746) * input(15); });
    setResult(43,
              [this] { return (((((input(17) / 1000) * input(20)) * 52) * input(18)) / 100) * input(15); });
    setResult(45, [this] { return (((result(33) + result(39)) + result(41)) + result(42)) + result(43); });
}

// Supplies, then each employee's tax on wages up to the maximum salary (slot 2): only a wage
// strictly above it is cut to it, and the annual wage is worked out again as wage * 52 * hours.
// Indirect wages are taxed in full.
void CostCalculation::socialSecurityTaxes()
{
    setResult(47, [this] { return input(47); });
    for (int employee = 0; employee < kEmployees; ++employee) {
        const int wage = 21 + employee;
        setResult(48 + employee, [this, wage] {
            return result(wage) > input(2) ? (input(2) * input(1)) / 100
                                           : (((input(wage) * 52) * input(20)) * input(1)) / 100;
        });
    }
    setResult(51, [this] { return (input(37) * input(1)) / 100; });
}

void CostCalculation::workmansCompensation()
{
    setResult(52, [this] { return (input(3) * result(39)) / 100; });
}

// Each employee's annual wages are taxed up to the maximum (slot 5); indirect wages in full.
void CostCalculation::unemploymentCompensation()
{
    for (int employee = 0; employee < kEmployees; ++employee) {
        const int wage = 21 + employee;
        setResult(53 + employee, [this, wage] {
            return result(wage) > input(5) ? (input(4) * input(5)) / 100 : (input(4) * result(wage)) / 100;
        });
    }
    setResult(56, [this] { return (input(4) * result(37)) / 100; });
}

// Group insurance per employee, its share for indirect wages in proportion to direct wages,
// pension on total wages, and repairs.
void CostCalculation::insuranceAndPension()
{
    setResult(57, [this] { return (input(6) * 52) * input(13); });
    setResult(58, [this] { return (result(37) / result(36)) * result(57); });
    setResult(59, [this] { return (input(7) / 100) * result(39); });
    setResult(60, [this] { return input(60); });
}

// Slots 47 to 60, added one at a time.
void CostCalculation::totalVariableCosts()
{
    setResult(62, [] { return CheckedNumber(0.0); });
    for (int slot = 47; slot <= 60; ++slot)
        setResult(62, [this, slot] { return result(62) + result(slot); });
}

// Factory cost, with general factory expense, with selling overhead: the annual center cost.
void CostCalculation::totalCosts()
{
    setResult(64, [this] { return result(45) + result(62); });
    setResult(65, [this] { return input(65); });
    setResult(67, [this] { return result(64) + result(65); });
    setResult(68, [this] { return input(68); });
    setResult(70, [this] { return result(67) + result(68); });
}
