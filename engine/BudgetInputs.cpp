#include "engine/BudgetInputs.h"

#include "engine/ResultSlots.h"

using namespace store;

namespace engine {

namespace {

namespace slot = resultslots;

// The boxes that feed the formulas through a slot, in slot order, as the formulas read them. The
// plant-wide totals of equipment cost and square feet feed none: only the work space is derived
// from them.
constexpr BoxSlot kBoxSlots[] = {
    {InputBox::SocialSecurityRate, slot::socialSecurityRate},
    {InputBox::MaximumSalary, slot::maximumSalary},
    {InputBox::WorkmansComp, slot::workmansCompRate},
    {InputBox::UnemploymentComp, slot::unemploymentRate},
    {InputBox::MaximumUnemploymentWages, slot::maximumUnemploymentWages},
    {InputBox::GroupInsurance, slot::groupInsurancePremium},
    {InputBox::Pension, slot::pensionRate},
    {InputBox::EquipmentCost, slot::equipmentCost},
    {InputBox::WorkSpace, slot::workSpace},
    {InputBox::PowerPrice, slot::powerPrice},
    {InputBox::ArcLampWatts, slot::arcLampWatts},
    {InputBox::ArcLampUsage, slot::arcLampUsage},
    {InputBox::LightingWatts, slot::lightingWatts},
    {InputBox::WeeklyHours, slot::weeklyHours},
    {InputBox::Wage1, slot::wage(1)},
    {InputBox::Wage2, slot::wage(2)},
    {InputBox::Wage3, slot::wage(3)},
    {InputBox::VacationDays, slot::vacationDays},
    {InputBox::Holidays, slot::holidays},
    {InputBox::Rent, slot::rent},
    {InputBox::EquipmentInsurance, slot::equipmentInsurance},
    {InputBox::PropertyTaxes, slot::propertyTaxes},
    {InputBox::Depreciation, slot::depreciation},
    {InputBox::IndirectWages, slot::indirectWages},
    {InputBox::Supplies, slot::supplies},
    {InputBox::Repairs, slot::repairs},
    {InputBox::GeneralFactory, slot::generalFactoryExpense},
    {InputBox::Selling, slot::sellingOverhead},
    {InputBox::Efficiency1, slot::efficiency(1)},
    {InputBox::Efficiency2, slot::efficiency(2)},
    {InputBox::Efficiency3, slot::efficiency(3)},
    {InputBox::Efficiency4, slot::efficiency(4)},
};

constexpr bool inSlotOrder()
{
    for (std::size_t i = 1; i < std::size(kBoxSlots); ++i)
        if (kBoxSlots[i - 1].slot >= kBoxSlots[i].slot)
            return false;
    return true;
}
static_assert(inSlotOrder(), "one box a slot, in slot order");

} // namespace

std::span<const BoxSlot> boxSlots()
{
    return kBoxSlots;
}

std::optional<int> slotFedBy(InputBox box)
{
    for (const BoxSlot& entry : kBoxSlots)
        if (entry.box == box)
            return entry.slot;
    return std::nullopt;
}

std::optional<double> savedFigure(const ResultRecord& record, InputBox box)
{
    if (const std::optional<int> slot = slotFedBy(box))
        return record.input(*slot);
    return std::nullopt;
}

} // namespace engine
