#include "BudgetInputs.h"

#include "InputTexts.h"
#include "ResultSlots.h"

#include <utility>

namespace {

namespace slot = resultslots;

struct BoxSlot {
    InputBox box;
    int slot;
};

// The boxes that feed the formulas through a slot. The plant-wide totals of equipment cost and
// square feet feed none: only the work space is derived from them.
constexpr BoxSlot kBoxSlots[] = {
    {InputBox::SocialSecurityRate, slot::socialSecurityRate},
    {InputBox::MaximumSalary, slot::maximumSalary},
    {InputBox::WorkmansComp, slot::workmansCompRate},
    {InputBox::UnemploymentComp, slot::unemploymentRate},
    {InputBox::MaximumUnemploymentWages, slot::maximumUnemploymentWages},
    {InputBox::GroupInsurance, slot::groupInsurancePremium},
    {InputBox::Pension, slot::pensionRate},
    {InputBox::PowerPrice, slot::powerPrice},
    {InputBox::VacationDays, slot::vacationDays},
    {InputBox::Holidays, slot::holidays},
    {InputBox::Rent, slot::rent},
    {InputBox::EquipmentInsurance, slot::equipmentInsurance},
    {InputBox::PropertyTaxes, slot::propertyTaxes},
    {InputBox::Depreciation, slot::depreciation},
    {InputBox::EquipmentCost, slot::equipmentCost},
    {InputBox::WorkSpace, slot::workSpace},
    {InputBox::ArcLampWatts, slot::arcLampWatts},
    {InputBox::ArcLampUsage, slot::arcLampUsage},
    {InputBox::LightingWatts, slot::lightingWatts},
    {InputBox::WeeklyHours, slot::weeklyHours},
    {InputBox::Wage1, slot::wage(1)},
    {InputBox::Wage2, slot::wage(2)},
    {InputBox::Wage3, slot::wage(3)},
    {InputBox::Efficiency1, slot::efficiency(1)},
    {InputBox::Efficiency2, slot::efficiency(2)},
    {InputBox::Efficiency3, slot::efficiency(3)},
    {InputBox::Efficiency4, slot::efficiency(4)},
    {InputBox::IndirectWages, slot::indirectWages},
    {InputBox::Supplies, slot::supplies},
    {InputBox::Repairs, slot::repairs},
    {InputBox::GeneralFactory, slot::generalFactoryExpense},
    {InputBox::Selling, slot::sellingOverhead},
};

// In the order of the motor texts: horsepower of motors 1 to 5, then their percent usage.
constexpr InputBox kMotorBoxes[] = {
    InputBox::Horsepower1, InputBox::Horsepower2, InputBox::Horsepower3, InputBox::Horsepower4, InputBox::Horsepower5,
    InputBox::Usage1,      InputBox::Usage2,      InputBox::Usage3,      InputBox::Usage4,      InputBox::Usage5};

} // namespace

CostInputs gatherCostInputs(const BoxText& boxText)
{
    return gatherCostInputs(InputTexts::from(boxText));
}

CostInputs gatherCostInputs(const InputTexts& texts)
{
    CostInputs inputs;
    for (const BoxSlot& entry : kBoxSlots)
        inputs.slotTexts.at(entry.slot) = texts[entry.box];
    for (std::size_t motor = 0; motor < std::size(kMotorBoxes); ++motor)
        inputs.motorTexts.at(motor) = texts[kMotorBoxes[motor]];
    return inputs;
}

void placeText(CostInputs& inputs, InputBox box, const QString& text)
{
    if (const std::optional<int> slot = slotFedBy(box)) {
        inputs.slotTexts.at(*slot) = text;
        return;
    }
    for (std::size_t motor = 0; motor < std::size(kMotorBoxes); ++motor)
        if (kMotorBoxes[motor] == box)
            inputs.motorTexts.at(motor) = text;
}

std::optional<int> slotFedBy(InputBox box)
{
    for (const BoxSlot& entry : kBoxSlots)
        if (entry.box == box)
            return entry.slot;
    return std::nullopt;
}
