#include "InputNames.h"

#include <array>

namespace inputnames {
namespace {

using B = InputBox;

struct Named {
    InputBox box;
    const char* name;
};

constexpr std::array<Named, inputboxes::kCount> kNames = {{
    {B::SocialSecurityRate, "social security rate"},
    {B::MaximumSalary, "social security maximum"},
    {B::WorkmansComp, "workman's comp"},
    {B::UnemploymentComp, "unemployment comp"},
    {B::MaximumUnemploymentWages, "unemployment maximum"},
    {B::GroupInsurance, "group insurance"},
    {B::Pension, "pension"},
    {B::PowerPrice, "power price"},
    {B::VacationDays, "vacation days"},
    {B::Holidays, "holidays"},
    {B::Rent, "rent"},
    {B::EquipmentInsurance, "equipment insurance"},
    {B::PropertyTaxes, "property taxes"},
    {B::Depreciation, "depreciation"},
    {B::PlantEquipmentCost, "plant equipment cost"},
    {B::PlantSquareFeet, "plant square feet"},
    {B::EquipmentCost, "equipment cost"},
    {B::Horsepower1, "motor 1 horsepower"},
    {B::Usage1, "motor 1 usage"},
    {B::Horsepower2, "motor 2 horsepower"},
    {B::Usage2, "motor 2 usage"},
    {B::Horsepower3, "motor 3 horsepower"},
    {B::Usage3, "motor 3 usage"},
    {B::Horsepower4, "motor 4 horsepower"},
    {B::Usage4, "motor 4 usage"},
    {B::Horsepower5, "motor 5 horsepower"},
    {B::Usage5, "motor 5 usage"},
    {B::Wage1, "wage 1"},
    {B::Wage2, "wage 2"},
    {B::Wage3, "wage 3"},
    {B::WorkSpace, "work space"},
    {B::WeeklyHours, "weekly hours"},
    {B::ArcLampWatts, "arc lamp watts"},
    {B::ArcLampUsage, "arc lamp usage"},
    {B::LightingWatts, "lighting watts"},
    {B::Efficiency1, "efficiency 1"},
    {B::Efficiency2, "efficiency 2"},
    {B::Efficiency3, "efficiency 3"},
    {B::Efficiency4, "efficiency 4"},
    {B::IndirectWages, "indirect wages"},
    {B::Supplies, "supplies"},
    {B::Repairs, "repairs"},
    {B::GeneralFactory, "general factory costs"},
    {B::Selling, "selling costs"},
}};

static_assert(inputboxes::inBoxOrder(kNames), "one name per box, in the order of InputBox");

} // namespace

QString shortName(InputBox box)
{
    return QString::fromLatin1(kNames.at(static_cast<std::size_t>(box)).name);
}

} // namespace inputnames
