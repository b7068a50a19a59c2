#include "CostCalculation.h"

#include "NumberReading.h"
#include "NumberText.h"

namespace {

constexpr int kEmployeeCountSlot = 13;
constexpr int kHorsepowerSlot = 16;
constexpr int kFirstWageSlot = 21;
constexpr int kLastWageSlot = 23;

// Most boxes are empty; they read as 0 without going through the whole reading rule.
CheckedNumber numberOf(const QString& text) { return text.isEmpty() ? 0.0 : numbers::read(text); }

} // namespace

void CostCalculation::run()
{
    readInputValues();
    annualWages();
    fixedCosts();
    totalWages();
    powerCosts();
    socialSecurityTaxes();
    workmansCompensation();
    unemploymentCompensation();
    insuranceAndPension();
    totalVariableCosts();
    totalCosts();
    paidHours();
    chargeableHours();
    hourlyRates(81, 67); // (A) manufacturing cost: total factory and general cost per hour
    hourlyRates(89, 70); // (B) budgeted hourly cost: total annual center cost per hour
    employeeRates();
}

void CostCalculation::readInputValues()
{
    const double horsepower = effectiveHorsepower();
    for (int slot = 1; slot <= ResultRecord::kSlots; ++slot)
        if (slot != kEmployeeCountSlot && slot != kHorsepowerSlot)
            m_record.setInput(slot, numberOf(m_inputs.slotTexts[slot]).value());
    m_record.setInput(kEmployeeCountSlot, employeeCount());
    m_record.setInput(kHorsepowerSlot, horsepower);
}

// The motors' horsepower weighted by their percent usage. The slot takes the sum as the
// 15-digit text a box would show and reads it back, so it keeps 15 significant digits.
double CostCalculation::effectiveHorsepower() const
{
    CheckedNumber sum = 0.0;
    for (int motor = 0; motor < CostInputs::kMotors; ++motor)
        sum = sum + (numberOf(m_inputs.horsepowerText(motor)) * numberOf(m_inputs.usageText(motor))) / 100;
    return numbers::read(numbers::boxText(sum.value()));
}

// Only a wage above 0 makes an employee; a negative wage still enters the wage sums. The wages
// are counted from their input values, which hold the numbers their texts read as.
int CostCalculation::employeeCount() const
{
    int count = 0;
    for (int slot = kFirstWageSlot; slot <= kLastWageSlot; ++slot)
        if (m_record.input(slot) > 0)
            ++count;
    return count;
}
