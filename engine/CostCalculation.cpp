#include "engine/CostCalculation.h"

#include "engine/BudgetInputs.h"
#include "engine/ResultSlots.h"
#include "textrules/NumberReading.h"
#include "textrules/NumberText.h"

using namespace textrules;
using namespace store;

namespace engine {

namespace {

namespace slot = resultslots;

// Most boxes are empty; they read as 0 without going through the whole reading rule.
CheckedNumber numberOf(const QString& text)
{
    return text.isEmpty() ? 0.0 : numbers::read(text);
}

} // namespace

void CostCalculation::runFormulas(const InputTexts& texts)
{
    readInputValues(texts);
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
    hourlyRates<slot::rateA>(slot::factoryAndGeneralCost); // (A) manufacturing cost per hour
    hourlyRates<slot::rateB>(slot::annualCenterCost);      // (B) budgeted hourly cost
    employeeRates();
}

void CostCalculation::readInputValues(const InputTexts& texts)
{
    const double horsepower = effectiveHorsepower(texts);
    // The record starts with every input at 0, which is what an empty box reads as.
    for (const BoxSlot& fed : boxSlots())
        if (const QString& text = texts[fed.box]; !text.isEmpty())
            m_record.setInput(fed.slot, numbers::read(text));
    m_record.setInput(slot::employees, employeeCount());
    m_record.setInput(slot::effectiveHorsepower, horsepower);
}

// The motors' horsepower weighted by their percent usage. The slot takes the sum as the
// 15-digit text a box would show and reads it back, so it keeps 15 significant digits.
double CostCalculation::effectiveHorsepower(const InputTexts& texts)
{
    CheckedNumber sum = 0.0;
    for (const MotorBoxes& motor : kMotorBoxes)
        sum = sum + (numberOf(texts[motor.horsepower]) * numberOf(texts[motor.usage])) / 100;
    return numbers::asBoxTextReads(sum.value());
}

// Only a wage above 0 makes an employee; a negative wage still enters the wage sums. The wages
// are counted from their input values, which hold the numbers their texts read as.
int CostCalculation::employeeCount() const
{
    int count = 0;
    for (int employee = 1; employee <= slot::kEmployees; ++employee)
        if (m_record.input(slot::wage(employee)) > 0)
            ++count;
    return count;
}

} // namespace engine
