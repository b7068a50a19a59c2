#pragma once

#include "CheckedNumber.h"
#include "InputTexts.h"
#include "ResultRecord.h"

#include <optional>

// One run of the cost formulas, from the box texts to the filled record. Each formula is one
// statement: it assigns its slot, or a division by zero leaves the slot as it was and the run
// goes on, the empty value counting as 0 in later formulas. An overflow leaves run() as an
// ArithmeticFailure.
class CostCalculation {
public:
    CostCalculation(const InputTexts& texts, ResultRecord& record) : m_texts(texts), m_record(record) {}

    void run();

private:
    // The input values read from the texts.
    void readInputValues();
    double effectiveHorsepower() const;
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
    void hourlyRates(int (*rate)(int level), int costSlot); // rate: the rate's slot at a level
    void employeeRates();

    CheckedNumber input(int slot) const { return m_record.input(slot); }
    CheckedNumber result(int slot) const { return m_record.result(slot).value_or(0.0); }

    template <typename Formula> void setResult(int slot, Formula formula);
    template <typename Formula> void setInput(int slot, Formula formula);
    template <typename Formula> static std::optional<double> evaluate(Formula formula);

    const InputTexts& m_texts;
    ResultRecord& m_record;
};

// The formula's value, or nothing when it divides a non-zero value by zero.
template <typename Formula> std::optional<double> CostCalculation::evaluate(Formula formula)
{
    try {
        return formula().value();
    } catch (const ArithmeticFailure& failure) {
        if (failure.kind() != FailureKind::DivisionByZero)
            throw;
        return std::nullopt;
    }
}

template <typename Formula> void CostCalculation::setResult(int slot, Formula formula)
{
    if (const std::optional<double> value = evaluate(formula))
        m_record.setResult(slot, *value);
}

template <typename Formula> void CostCalculation::setInput(int slot, Formula formula)
{
    if (const std::optional<double> value = evaluate(formula))
        m_record.setInput(slot, *value);
}
