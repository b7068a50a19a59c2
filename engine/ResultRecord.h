#pragma once

#include <array>
#include <optional>

namespace engine {

// The annual costs of a center's budget, as the budget window and the rate report list them.
enum class AnnualCost {
    Rent,
    EquipmentInsurance,
    PropertyTaxes,
    Depreciation,
    FixedCosts,
    DirectWages,
    IndirectWages,
    TotalWages,
    LightingCost,
    MotorCost,
    ArcLampCost,
    TotalPowerCost,
    VariableAndFixedCosts,
    Supplies,
    SocialSecurityTax1,
    SocialSecurityTax2,
    SocialSecurityTax3,
    IndirectSocialSecurityTax,
    WorkmansComp,
    UnemploymentComp1,
    UnemploymentComp2,
    UnemploymentComp3,
    IndirectUnemploymentComp,
    DirectInsurance,
    IndirectInsurance,
    Pension,
    Repairs,
    VariableCosts,
    FactoryCost,
    GeneralFactoryExpense,
    FactoryAndGeneralCost,
    SellingOverhead,
    AnnualCenterCost,
};

// (A) manufacturing cost per chargeable hour, (B) budgeted hourly cost, (C) budgeted employee
// cost per hour.
enum class HourlyRate { A, B, C };

// What one budget calculation produces for one piece of equipment: 103 numbered slots, each
// with a result value (empty where no formula assigned one) and an input value (always present,
// 0 where no input belongs to the slot). Values are kept at full double precision.
class ResultRecord {
public:
    static constexpr int kSlots = 103;

    ResultRecord() { clear(); }

    // Every result value empty, every input value 0, as a calculation starts.
    void clear();

    // The figures by what they mean: how windows, reports and pricing read the record. Levels
    // count 1 to 4.
    static constexpr int kLevels = 4;
    std::optional<double> annualCost(AnnualCost cost) const;
    std::optional<double> rate(HourlyRate rate, int level) const;
    std::optional<double> chargeableHours(int level) const;
    double efficiency(int level) const; // the level's percent efficiency
    double employees() const;
    double effectiveHorsepower() const; // the motors' horsepower weighted by their usage
    double paidHours() const;           // of all employees in a year
    double hoursNotWorked() const;
    // The lighting, motor and arc lamp costs together: the result file leaves their total empty.
    double powerTotal() const;

    // The slots themselves, for the formulas and the result file. Slots are numbered 1 to 103;
    // any other number throws std::out_of_range.
    std::optional<double> result(int slot) const
    {
        const std::size_t at = index(slot);
        return m_hasResult.at(at) ? std::optional(m_results[at]) : std::nullopt;
    }
    double input(int slot) const { return m_inputs.at(index(slot)); }

    void setResult(int slot, double value)
    {
        const std::size_t at = index(slot);
        m_hasResult.at(at) = true;
        m_results[at] = value;
    }
    void clearResult(int slot) { m_hasResult.at(index(slot)) = false; }
    void setInput(int slot, double value) { m_inputs.at(index(slot)) = value; }

private:
    // Slot 0 has no entry, so that a slot number outside 1 to 103 is caught by at().
    static std::size_t index(int slot) { return static_cast<std::size_t>(slot - 1); }

    // Apart rather than as optionals, so that clearing the record is two plain fills, and the
    // result values need none.
    std::array<bool, kSlots> m_hasResult;
    std::array<double, kSlots> m_results{};
    std::array<double, kSlots> m_inputs;
};

} // namespace engine
