#pragma once

#include "engine/CheckedNumber.h"
#include "engine/ResultRecord.h"
#include "store/InputTexts.h"

namespace engine {

// One run of the cost formulas, from the box texts to the filled record. Each formula is one
// statement: it assigns its slot, or a division by zero leaves the slot as it was and the run
// goes on, the empty value counting as 0 in later formulas. An overflow leaves runFormulas() as an
// ArithmeticFailure. The texts are read in the first step only, so they travel as its argument.
class CostCalculation {
public:
    explicit CostCalculation(ResultRecord& record) : m_record(record) {}

    void runFormulas(const store::InputTexts& texts);

private:
    // The input values read from the texts.
    void readInputValues(const store::InputTexts& texts);
    static double effectiveHorsepower(const store::InputTexts& texts);
    int employeeCount() const;

    // The annual cost of the center.
    void annualWages();
    void fixedCosts();
    void totalWages();
    void powerCosts();
    void socialSecurityTaxes();
    void workmansCompensation();
    void unemploymentCompensation();
    void insuranceAndPension();
    void totalVariableCosts();
    void totalCosts();

    // Chargeable hours and the three hourly rates at the four efficiency levels.
    void paidHours();
    void chargeableHours();
    // rate: the rate's slot at a level, fixed when compiled so that the slots are known in the loop
    template <int (*rate)(int level)> void hourlyRates(int costSlot);
    void employeeRates();

    CheckedNumber input(int slot) const { return m_record.input(slot); }
    CheckedNumber result(int slot) const { return m_record.result(slot).value_or(0.0); }

    template <typename Formula> void setResult(int slot, Formula formula);
    template <typename Formula> void setInput(int slot, Formula formula);
    template <typename Formula, typename Store> static void settle(Formula formula, Store store);

    ResultRecord& m_record;
};

// Hands the formula's value to the store, or nothing when the formula divides a non-zero value
// by zero: the slot then keeps what it held.
template <typename Formula, typename Store> void CostCalculation::settle(Formula formula, Store store)
{
    try {
        store(formula().value());
    } catch (const textrules::ArithmeticFailure& failure) {
        if (failure.kind() != textrules::FailureKind::DivisionByZero)
            throw;
    }
}

template <typename Formula> void CostCalculation::setResult(int slot, Formula formula)
{
    settle(formula, [this, slot](double value) { m_record.setResult(slot, value); });
}

template <typename Formula> void CostCalculation::setInput(int slot, Formula formula)
{
    settle(formula, [this, slot](double value) { m_record.setInput(slot, value); });
}

} // namespace engine
