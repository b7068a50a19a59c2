#include "store/BoxWords.h"

#include <array>

namespace store {

namespace inputboxes {
namespace {

using B = InputBox;

struct Words {
    InputBox box;
    const char* prompt;
    const char* shortName;
};

constexpr std::array<Words, kCount> kWords = {{
    {B::SocialSecurityRate, "Current Social Security Tax Rate in Percentage", "social security rate"},
    {B::MaximumSalary, "Maximum Salary Applied to SS Wages Deduction:", "social security maximum"},
    {B::WorkmansComp, "Workman's Comp (% of Salary):", "workman's comp"},
    {B::UnemploymentComp, "Unemployment Compensation in Percentage:", "unemployment comp"},
    {B::MaximumUnemploymentWages, "Maximum Wages Taxed for Unemployment Comp:", "unemployment maximum"},
    {B::GroupInsurance, "Group Insurance Premium ($/Week):", "group insurance"},
    {B::Pension, "Retirement or Pension - Percentage of Salaries:", "pension"},
    {B::PowerPrice, "Power Consumption Cost ($/KWh):", "power price"},
    {B::VacationDays, "Paid Vacation Days:", "vacation days"},
    {B::Holidays, "Paid Holidays:", "holidays"},
    {B::Rent, "Current Rent ($/Square Foot):", "rent"},
    {B::EquipmentInsurance, "Insurance of Equipment (% of Cost):", "equipment insurance"},
    {B::PropertyTaxes, "Property Taxes (% of Equipment):", "property taxes"},
    {B::Depreciation, "Depreciation Used (Percentage Straight Line):", "depreciation"},
    {B::PlantEquipmentCost, "Total Equipment Cost within Plant in Dollars:", "plant equipment cost"},
    {B::PlantSquareFeet, "Total Square Feet of Entire Plant:", "plant square feet"},
    {B::EquipmentCost, "Enter Total Cost Plus Installation of Equipment:", "equipment cost"},
    {B::Horsepower1, "Enter Horsepower of Motor #1:", "motor 1 horsepower"},
    {B::Usage1, "Enter Percent Usage of Motor #1:", "motor 1 usage"},
    {B::Horsepower2, "Enter Horsepower of Motor #2:", "motor 2 horsepower"},
    {B::Usage2, "Enter Percent Usage of Motor #2:", "motor 2 usage"},
    {B::Horsepower3, "Enter Horsepower of Motor #3:", "motor 3 horsepower"},
    {B::Usage3, "Enter Percent Usage of Motor #3:", "motor 3 usage"},
    {B::Horsepower4, "Enter Horsepower of Motor #4:", "motor 4 horsepower"},
    {B::Usage4, "Enter Percent Usage of Motor #4:", "motor 4 usage"},
    {B::Horsepower5, "Enter Horsepower of Motor #5:", "motor 5 horsepower"},
    {B::Usage5, "Enter Percent Usage of Motor #5:", "motor 5 usage"},
    {B::Wage1, "Enter Wage Scale for Employee #1 ($/Hr.)", "wage 1"},
    {B::Wage2, "Enter Wage Scale for Employee #2 ($/Hr.)", "wage 2"},
    {B::Wage3, "Enter Wage Scale for Employee #3 ($/Hr.)", "wage 3"},
    {B::WorkSpace, "Enter Square Footage of Work Space:", "work space"},
    {B::WeeklyHours, "Enter Average Hours per Week for Employees:", "weekly hours"},
    {B::ArcLampWatts, "Enter Wattage of Arc Lamps Used:", "arc lamp watts"},
    {B::ArcLampUsage, "Enter Percent Usage of Arc Lamps:", "arc lamp usage"},
    {B::LightingWatts, "Enter Total Wattage for Lights, Air Cond, Etc.:", "lighting watts"},
    {B::Efficiency1, "Enter Percent Efficiency (Example 100%):", "efficiency 1"},
    {B::Efficiency2, "Enter Percent Efficiency (Example 80%):", "efficiency 2"},
    {B::Efficiency3, "Enter Percent Efficiency (Example 70%):", "efficiency 3"},
    {B::Efficiency4, "Enter Percent Efficiency (Example 60%):", "efficiency 4"},
    {B::IndirectWages, "Indirect Wages per Year Applied To This Center:", "indirect wages"},
    {B::Supplies, "Supply Costs per Year Applied To This Center:", "supplies"},
    {B::Repairs, "Repair Costs per Year Applied To This Center:", "repairs"},
    {B::GeneralFactory, "General Factory Costs ($/Yr) Applied To This Center:", "general factory costs"},
    {B::Selling, "General Selling Costs ($/Yr) Applied To This Center:", "selling costs"},
}};

static_assert(inputboxes::inBoxOrder(kWords), "words for every box, in the order of InputBox");

const Words& wordsOf(InputBox box)
{
    return kWords.at(static_cast<std::size_t>(box));
}

} // namespace

QString prompt(InputBox box)
{
    return QString::fromLatin1(wordsOf(box).prompt);
}

QString promptInSentence(InputBox box)
{
    QString words = prompt(box).trimmed();
    if (words.endsWith(u':'))
        words.chop(1);
    return words;
}

QString shortName(InputBox box)
{
    return QString::fromLatin1(wordsOf(box).shortName);
}

} // namespace inputboxes

} // namespace store
