#include "store/BoxWords.h"

#include <QCoreApplication>

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
    {B::SocialSecurityRate, QT_TRANSLATE_NOOP("BoxWords", "Current Social Security Tax Rate in Percentage"),
     QT_TRANSLATE_NOOP("BoxWords", "social security rate")},
    {B::MaximumSalary, QT_TRANSLATE_NOOP("BoxWords", "Maximum Salary Applied to SS Wages Deduction:"),
     QT_TRANSLATE_NOOP("BoxWords", "social security maximum")},
    {B::WorkmansComp, QT_TRANSLATE_NOOP("BoxWords", "Workman's Comp (% of Salary):"),
     QT_TRANSLATE_NOOP("BoxWords", "workman's comp")},
    {B::UnemploymentComp, QT_TRANSLATE_NOOP("BoxWords", "Unemployment Compensation in Percentage:"),
     QT_TRANSLATE_NOOP("BoxWords", "unemployment comp")},
    {B::MaximumUnemploymentWages, QT_TRANSLATE_NOOP("BoxWords", "Maximum Wages Taxed for Unemployment Comp:"),
     QT_TRANSLATE_NOOP("BoxWords", "unemployment maximum")},
    {B::GroupInsurance, QT_TRANSLATE_NOOP("BoxWords", "Group Insurance Premium ($/Week):"),
     QT_TRANSLATE_NOOP("BoxWords", "group insurance")},
    {B::Pension, QT_TRANSLATE_NOOP("BoxWords", "Retirement or Pension - Percentage of Salaries:"),
     QT_TRANSLATE_NOOP("BoxWords", "pension")},
    {B::PowerPrice, QT_TRANSLATE_NOOP("BoxWords", "Power Consumption Cost ($/KWh):"),
     QT_TRANSLATE_NOOP("BoxWords", "power price")},
    {B::VacationDays, QT_TRANSLATE_NOOP("BoxWords", "Paid Vacation Days:"),
     QT_TRANSLATE_NOOP("BoxWords", "vacation days")},
    {B::Holidays, QT_TRANSLATE_NOOP("BoxWords", "Paid Holidays:"), QT_TRANSLATE_NOOP("BoxWords", "holidays")},
    {B::Rent, QT_TRANSLATE_NOOP("BoxWords", "Current Rent ($/Square Foot):"), QT_TRANSLATE_NOOP("BoxWords", "rent")},
    {B::EquipmentInsurance, QT_TRANSLATE_NOOP("BoxWords", "Insurance of Equipment (% of Cost):"),
     QT_TRANSLATE_NOOP("BoxWords", "equipment insurance")},
    {B::PropertyTaxes, QT_TRANSLATE_NOOP("BoxWords", "Property Taxes (% of Equipment):"),
     QT_TRANSLATE_NOOP("BoxWords", "property taxes")},
    {B::Depreciation, QT_TRANSLATE_NOOP("BoxWords", "Depreciation Used (Percentage Straight Line):"),
     QT_TRANSLATE_NOOP("BoxWords", "depreciation")},
    {B::PlantEquipmentCost, QT_TRANSLATE_NOOP("BoxWords", "Total Equipment Cost within Plant in Dollars:"),
     QT_TRANSLATE_NOOP("BoxWords", "plant equipment cost")},
    {B::PlantSquareFeet, QT_TRANSLATE_NOOP("BoxWords", "Total Square Feet of Entire Plant:"),
     QT_TRANSLATE_NOOP("BoxWords", "plant square feet")},
    {B::EquipmentCost, QT_TRANSLATE_NOOP("BoxWords", "Enter Total Cost Plus Installation of Equipment:"),
     QT_TRANSLATE_NOOP("BoxWords", "equipment cost")},
    {B::Horsepower1, QT_TRANSLATE_NOOP("BoxWords", "Enter Horsepower of Motor #1:"),
     QT_TRANSLATE_NOOP("BoxWords", "motor 1 horsepower")},
    {B::Usage1, QT_TRANSLATE_NOOP("BoxWords", "Enter Percent Usage of Motor #1:"),
     QT_TRANSLATE_NOOP("BoxWords", "motor 1 usage")},
    {B::Horsepower2, QT_TRANSLATE_NOOP("BoxWords", "Enter Horsepower of Motor #2:"),
     QT_TRANSLATE_NOOP("BoxWords", "motor 2 horsepower")},
    {B::Usage2, QT_TRANSLATE_NOOP("BoxWords", "Enter Percent Usage of Motor #2:"),
     QT_TRANSLATE_NOOP("BoxWords", "motor 2 usage")},
    {B::Horsepower3, QT_TRANSLATE_NOOP("BoxWords", "Enter Horsepower of Motor #3:"),
     QT_TRANSLATE_NOOP("BoxWords", "motor 3 horsepower")},
    {B::Usage3, QT_TRANSLATE_NOOP("BoxWords", "Enter Percent Usage of Motor #3:"),
     QT_TRANSLATE_NOOP("BoxWords", "motor 3 usage")},
    {B::Horsepower4, QT_TRANSLATE_NOOP("BoxWords", "Enter Horsepower of Motor #4:"),
     QT_TRANSLATE_NOOP("BoxWords", "motor 4 horsepower")},
    {B::Usage4, QT_TRANSLATE_NOOP("BoxWords", "Enter Percent Usage of Motor #4:"),
     QT_TRANSLATE_NOOP("BoxWords", "motor 4 usage")},
    {B::Horsepower5, QT_TRANSLATE_NOOP("BoxWords", "Enter Horsepower of Motor #5:"),
     QT_TRANSLATE_NOOP("BoxWords", "motor 5 horsepower")},
    {B::Usage5, QT_TRANSLATE_NOOP("BoxWords", "Enter Percent Usage of Motor #5:"),
     QT_TRANSLATE_NOOP("BoxWords", "motor 5 usage")},
    {B::Wage1, QT_TRANSLATE_NOOP("BoxWords", "Enter Wage Scale for Employee #1 ($/Hr.)"),
     QT_TRANSLATE_NOOP("BoxWords", "wage 1")},
    {B::Wage2, QT_TRANSLATE_NOOP("BoxWords", "Enter Wage Scale for Employee #2 ($/Hr.)"),
     QT_TRANSLATE_NOOP("BoxWords", "wage 2")},
    {B::Wage3, QT_TRANSLATE_NOOP("BoxWords", "Enter Wage Scale for Employee #3 ($/Hr.)"),
     QT_TRANSLATE_NOOP("BoxWords", "wage 3")},
    {B::WorkSpace, QT_TRANSLATE_NOOP("BoxWords", "Enter Square Footage of Work Space:"),
     QT_TRANSLATE_NOOP("BoxWords", "work space")},
    {B::WeeklyHours, QT_TRANSLATE_NOOP("BoxWords", "Enter Average Hours per Week for Employees:"),
     QT_TRANSLATE_NOOP("BoxWords", "weekly hours")},
    {B::ArcLampWatts, QT_TRANSLATE_NOOP("BoxWords", "Enter Wattage of Arc Lamps Used:"),
     QT_TRANSLATE_NOOP("BoxWords", "arc lamp watts")},
    {B::ArcLampUsage, QT_TRANSLATE_NOOP("BoxWords", "Enter Percent Usage of Arc Lamps:"),
     QT_TRANSLATE_NOOP("BoxWords", "arc lamp usage")},
    {B::LightingWatts, QT_TRANSLATE_NOOP("BoxWords", "Enter Total Wattage for Lights, Air Cond, Etc.:"),
     QT_TRANSLATE_NOOP("BoxWords", "lighting watts")},
    {B::Efficiency1, QT_TRANSLATE_NOOP("BoxWords", "Enter Percent Efficiency (Example 100%):"),
     QT_TRANSLATE_NOOP("BoxWords", "efficiency 1")},
    {B::Efficiency2, QT_TRANSLATE_NOOP("BoxWords", "Enter Percent Efficiency (Example 80%):"),
     QT_TRANSLATE_NOOP("BoxWords", "efficiency 2")},
    {B::Efficiency3, QT_TRANSLATE_NOOP("BoxWords", "Enter Percent Efficiency (Example 70%):"),
     QT_TRANSLATE_NOOP("BoxWords", "efficiency 3")},
    {B::Efficiency4, QT_TRANSLATE_NOOP("BoxWords", "Enter Percent Efficiency (Example 60%):"),
     QT_TRANSLATE_NOOP("BoxWords", "efficiency 4")},
    {B::IndirectWages, QT_TRANSLATE_NOOP("BoxWords", "Indirect Wages per Year Applied To This Center:"),
     QT_TRANSLATE_NOOP("BoxWords", "indirect wages")},
    {B::Supplies, QT_TRANSLATE_NOOP("BoxWords", "Supply Costs per Year Applied To This Center:"),
     QT_TRANSLATE_NOOP("BoxWords", "supplies")},
    {B::Repairs, QT_TRANSLATE_NOOP("BoxWords", "Repair Costs per Year Applied To This Center:"),
     QT_TRANSLATE_NOOP("BoxWords", "repairs")},
    {B::GeneralFactory, QT_TRANSLATE_NOOP("BoxWords", "General Factory Costs ($/Yr) Applied To This Center:"),
     QT_TRANSLATE_NOOP("BoxWords", "general factory costs")},
    {B::Selling, QT_TRANSLATE_NOOP("BoxWords", "General Selling Costs ($/Yr) Applied To This Center:"),
     QT_TRANSLATE_NOOP("BoxWords", "selling costs")},
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

QString shownPrompt(InputBox box)
{
    return QCoreApplication::translate("BoxWords", wordsOf(box).prompt);
}

QString promptInSentence(InputBox box)
{
    QString words = shownPrompt(box).trimmed();
    if (words.endsWith(u':'))
        words.chop(1);
    return words;
}

BoxTable<QString> promptsInSentence()
{
    BoxTable<QString> prompts;
    for (const Entry& entry : all())
        prompts[entry.box] = promptInSentence(entry.box);
    return prompts;
}

QString shortName(InputBox box)
{
    return QCoreApplication::translate("BoxWords", wordsOf(box).shortName);
}

} // namespace inputboxes

} // namespace store
