#include "BoxPrompts.h"

#include <array>

namespace inputboxes {
namespace {

using B = InputBox;

struct Prompted {
    InputBox box;
    const char* prompt;
};

constexpr std::array<Prompted, kCount> kPrompts = {{
    {B::SocialSecurityRate, "Current Social Security Tax Rate in Percentage"},
    {B::MaximumSalary, "Maximum Salary Applied to SS Wages Deduction:"},
    {B::WorkmansComp, "Workman's Comp (% of Salary):"},
    {B::UnemploymentComp, "Unemployment Compensation in Percentage:"},
    {B::MaximumUnemploymentWages, "Maximum Wages Taxed for Unemployment Comp:"},
    {B::GroupInsurance, "Group Insurance Premium ($/Week):"},
    {B::Pension, "Retirement or Pension - Percentage of Salaries:"},
    {B::PowerPrice, "Power Consumption Cost ($/KWh):"},
    {B::VacationDays, "Paid Vacation Days:"},
    {B::Holidays, "Paid Holidays:"},
    {B::Rent, "Current Rent ($/Square Foot):"},
    {B::EquipmentInsurance, "Insurance of Equipment (% of Cost):"},
    {B::PropertyTaxes, "Property Taxes (% of Equipment):"},
    {B::Depreciation, "Depreciation Used (Percentage Straight Line):"},
    {B::PlantEquipmentCost, "Total Equipment Cost within Plant in Dollars:"},
    {B::PlantSquareFeet, "Total Square Feet of Entire Plant:"},
    {B::EquipmentCost, "Enter Total Cost Plus Installation of Equipment:"},
    {B::Horsepower1, "Enter Horsepower of Motor #1:"},
    {B::Usage1, "Enter Percent Usage of Motor #1:"},
    {B::Horsepower2, "Enter Horsepower of Motor #2:"},
    {B::Usage2, "Enter Percent Usage of Motor #2:"},
    {B::Horsepower3, "Enter Horsepower of Motor #3:"},
    {B::Usage3, "Enter Percent Usage of Motor #3:"},
    {B::Horsepower4, "Enter Horsepower of Motor #4:"},
    {B::Usage4, "Enter Percent Usage of Motor #4:"},
    {B::Horsepower5, "Enter Horsepower of Motor #5:"},
    {B::Usage5, "Enter Percent Usage of Motor #5:"},
    {B::Wage1, "Enter Wage Scale for Employee #1 ($/Hr.)"},
    {B::Wage2, "Enter Wage Scale for Employee #2 ($/Hr.)"},
    {B::Wage3, "Enter Wage Scale for Employee #3 ($/Hr.)"},
    {B::WorkSpace, "Enter Square Footage of Work Space:"},
    {B::WeeklyHours, "Enter Average Hours per Week for Employees:"},
    {B::ArcLampWatts, "Enter Wattage of Arc Lamps Used:"},
    {B::ArcLampUsage, "Enter Percent Usage of Arc Lamps:"},
    {B::LightingWatts, "Enter Total Wattage for Lights, Air Cond, Etc.:"},
    {B::Efficiency1, "Enter Percent Efficiency (Example 100%):"},
    {B::Efficiency2, "Enter Percent Efficiency (Example 80%):"},
    {B::Efficiency3, "Enter Percent Efficiency (Example 70%):"},
    {B::Efficiency4, "Enter Percent Efficiency (Example 60%):"},
    {B::IndirectWages, "Indirect Wages per Year Applied To This Center:"},
    {B::Supplies, "Supply Costs per Year Applied To This Center:"},
    {B::Repairs, "Repair Costs per Year Applied To This Center:"},
    {B::GeneralFactory, "General Factory Costs ($/Yr) Applied To This Center:"},
    {B::Selling, "General Selling Costs ($/Yr) Applied To This Center:"},
}};

static_assert(inputboxes::inBoxOrder(kPrompts), "one prompt per box, in the order of InputBox");

} // namespace

QString prompt(InputBox box)
{
    return QString::fromLatin1(kPrompts.at(static_cast<std::size_t>(box)).prompt);
}

QString promptInSentence(InputBox box)
{
    QString words = prompt(box).trimmed();
    if (words.endsWith(u':'))
        words.chop(1);
    return words;
}

} // namespace inputboxes
