#include "InputBoxes.h"

#include <algorithm>

namespace inputboxes {
namespace {

using B = InputBox;
using F = BoxFile;

constexpr int kGeneral = 1;
constexpr int kEquipment = 2;
constexpr int kWages = 3;
constexpr int kIndirect = 4;

constexpr std::array<Entry, kCount> kBoxes = {{
    {B::SocialSecurityRate, "txtSS", "Label1", "Current Social Security Tax Rate in Percentage", kGeneral, F::Plant, 1},
    {B::MaximumSalary, "txtDed", "Label2", "Maximum Salary Applied to SS Wages Deduction:", kGeneral, F::Plant, 2},
    {B::WorkmansComp, "txtComp", "Label3", "Workman's Comp (% of Salary):", kGeneral, F::Plant, 3},
    {B::UnemploymentComp, "txtUnempComp", "Label4", "Unemployment Compensation in Percentage:", kGeneral, F::Plant, 4},
    {B::MaximumUnemploymentWages, "txtMaxWages", "Label5", "Maximum Wages Taxed for Unemployment Comp:", kGeneral,
     F::Plant, 5},
    {B::GroupInsurance, "txtGroupIns", "Label6", "Group Insurance Premium ($/Week):", kGeneral, F::Plant, 6},
    {B::Pension, "txtPension", "Label7", "Retirement or Pension - Percentage of Salaries:", kGeneral, F::Plant, 7},
    {B::PowerPrice, "txtPower", "Label8", "Power Consumption Cost ($/KWh):", kGeneral, F::Plant, 8},
    {B::VacationDays, "txtVacation", "Label9", "Paid Vacation Days:", kGeneral, F::Plant, 9},
    {B::Holidays, "txtHolidays", "Label10", "Paid Holidays:", kGeneral, F::Plant, 10},
    {B::Rent, "txtRent", "Label11", "Current Rent ($/Square Foot):", kGeneral, F::Plant, 11},
    {B::EquipmentInsurance, "txtInsurEquip", "Label12", "Insurance of Equipment (% of Cost):", kGeneral, F::Plant, 12},
    {B::PropertyTaxes, "txtPropTaxes", "Label13", "Property Taxes (% of Equipment):", kGeneral, F::Plant, 13},
    {B::Depreciation, "txtDepreciation", "Label15", "Depreciation Used (Percentage Straight Line):", kGeneral, F::Plant,
     14},
    {B::PlantEquipmentCost, "txtTotCost", "Label50", "Total Equipment Cost within Plant in Dollars:", kGeneral,
     F::Plant, 15},
    {B::PlantSquareFeet, "txtTotFeet", "Label58", "Total Square Feet of Entire Plant:", kGeneral, F::Plant, 16},

    {B::EquipmentCost, "txtCost", "Label16", "Enter Total Cost Plus Installation of Equipment:", kEquipment, F::Input2,
     1},
    {B::Horsepower1, "txtHP1", "Label17", "Enter Horsepower of Motor #1:", kEquipment, F::Input2, 4, 2},
    {B::Usage1, "txtUsage1", "Label18", "Enter Percent Usage of Motor #1:", kEquipment, F::Input2, 9},
    {B::Horsepower2, "txtHP2", "Label19", "Enter Horsepower of Motor #2:", kEquipment, F::Input2, 5},
    {B::Usage2, "txtUsage2", "Label20", "Enter Percent Usage of Motor #2:", kEquipment, F::Input2, 10},
    {B::Horsepower3, "txtHP3", "Label21", "Enter Horsepower of Motor #3:", kEquipment, F::Input2, 6},
    {B::Usage3, "txtUsage3", "Label22", "Enter Percent Usage of Motor #3:", kEquipment, F::Input2, 11},
    {B::Horsepower4, "txtHP4", "Label23", "Enter Horsepower of Motor #4:", kEquipment, F::Input2, 7},
    {B::Usage4, "txtUsage4", "Label24", "Enter Percent Usage of Motor #4:", kEquipment, F::Input2, 12},
    {B::Horsepower5, "txtHP5", "Label25", "Enter Horsepower of Motor #5:", kEquipment, F::Input2, 8},
    {B::Usage5, "txtUsage5", "Label26", "Enter Percent Usage of Motor #5:", kEquipment, F::Input2, 13, 3},

    // Line 1 of input file 3 is always empty.
    {B::Wage1, "txtWage1", "Label27", "Enter Wage Scale for Employee #1 ($/Hr.)", kWages, F::Input3, 4},
    {B::Wage2, "txtWage2", "Label28", "Enter Wage Scale for Employee #2 ($/Hr.)", kWages, F::Input3, 7},
    {B::Wage3, "txtWage3", "Label29", "Enter Wage Scale for Employee #3 ($/Hr.)", kWages, F::Input3, 10},
    {B::WorkSpace, "txtSq", "Label30", "Enter Square Footage of Work Space:", kWages, F::Input3, 2, 0, false},
    {B::WeeklyHours, "txtHours", "Label31", "Enter Average Hours per Week for Employees:", kWages, F::Input3, 12},
    {B::ArcLampWatts, "txtArc", "Label32", "Enter Wattage of Arc Lamps Used:", kWages, F::Input3, 3},
    {B::ArcLampUsage, "txtArcPercent", "Label33", "Enter Percent Usage of Arc Lamps:", kWages, F::Input3, 6},
    {B::LightingWatts, "txtTotWatt", "Label34", "Enter Total Wattage for Lights, Air Cond, Etc.:", kWages, F::Input3,
     9},
    {B::Efficiency1, "txtEff100", "Label35", "Enter Percent Efficiency (Example 100%):", kWages, F::Input3, 5},
    {B::Efficiency2, "txtEff80", "Label36", "Enter Percent Efficiency (Example 80%):", kWages, F::Input3, 8},
    {B::Efficiency3, "txtEff70", "Label37", "Enter Percent Efficiency (Example 70%):", kWages, F::Input3, 11},
    {B::Efficiency4, "txtEff60", "Label38", "Enter Percent Efficiency (Example 60%):", kWages, F::Input3, 13},

    {B::IndirectWages, "txtInd", "Label39", "Indirect Wages per Year Applied To This Center:", kIndirect, F::Input4, 1},
    {B::Supplies, "txtSupply", "Label40", "Supply Costs per Year Applied To This Center:", kIndirect, F::Input4, 2},
    {B::Repairs, "txtRepair", "Label41", "Repair Costs per Year Applied To This Center:", kIndirect, F::Input4, 3},
    {B::GeneralFactory, "txtGen", "Label42", "General Factory Costs ($/Yr) Applied To This Center:", kIndirect,
     F::Input4, 4},
    {B::Selling, "txtSell", "Label43", "General Selling Costs ($/Yr) Applied To This Center:", kIndirect, F::Input4, 5},
}};

// Rows stand in enum order, so a box's row is found by its value.
constexpr bool inEnumOrder()
{
    for (std::size_t i = 0; i < kCount; ++i)
        if (kBoxes[i].box != InputBox(i))
            return false;
    return true;
}
static_assert(inEnumOrder(), "one row per box, in the order of InputBox");

constexpr int holders(BoxFile file, int line)
{
    int count = 0;
    for (const Entry& row : kBoxes)
        if (row.file == file && (row.line == line || row.copyLine == line))
            ++count;
    return count;
}

constexpr int lastLine(BoxFile file)
{
    int last = 0;
    for (const Entry& row : kBoxes)
        if (row.file == file)
            last = std::max({last, row.line, row.copyLine});
    return last;
}

// Every line of a file holds one box, except the empty first line of input file 3.
constexpr bool linesHeldOnce(BoxFile file, int emptyLines)
{
    for (int line = 1; line <= lastLine(file); ++line) {
        const int count = holders(file, line);
        if (count > 1)
            return false;
        emptyLines -= count == 0 ? 1 : 0;
    }
    return emptyLines == 0;
}
static_assert(linesHeldOnce(F::Plant, 0), "plant file: one box a line");
static_assert(linesHeldOnce(F::Input2, 0) && lastLine(F::Input2) == 13, "input file 2: 13 lines");
static_assert(linesHeldOnce(F::Input3, 1) && holders(F::Input3, 1) == 0 && lastLine(F::Input3) == 13,
              "input file 3: an empty first line, then 12 boxes");
static_assert(linesHeldOnce(F::Input4, 0) && lastLine(F::Input4) == 5, "input file 4: 5 lines");

} // namespace

const std::array<Entry, kCount>& all()
{
    return kBoxes;
}

const Entry& entry(InputBox box)
{
    return kBoxes.at(static_cast<std::size_t>(box));
}

QString objectName(InputBox box)
{
    return QString::fromLatin1(entry(box).name);
}

int lineCount(BoxFile file)
{
    return lastLine(file);
}

} // namespace inputboxes
