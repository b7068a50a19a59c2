#include "InputBoxes.h"

#include <algorithm>

namespace inputboxes {
namespace {

using B = InputBox;
using F = BoxFile;

constexpr std::array<Entry, kCount> kBoxes = {{
    {B::SocialSecurityRate, F::Plant, 1},
    {B::MaximumSalary, F::Plant, 2},
    {B::WorkmansComp, F::Plant, 3},
    {B::UnemploymentComp, F::Plant, 4},
    {B::MaximumUnemploymentWages, F::Plant, 5},
    {B::GroupInsurance, F::Plant, 6},
    {B::Pension, F::Plant, 7},
    {B::PowerPrice, F::Plant, 8},
    {B::VacationDays, F::Plant, 9},
    {B::Holidays, F::Plant, 10},
    {B::Rent, F::Plant, 11},
    {B::EquipmentInsurance, F::Plant, 12},
    {B::PropertyTaxes, F::Plant, 13},
    {B::Depreciation, F::Plant, 14},
    {B::PlantEquipmentCost, F::Plant, 15},
    {B::PlantSquareFeet, F::Plant, 16},

    {B::EquipmentCost, F::Input2, 1},
    {B::Horsepower1, F::Input2, 4, 2},
    {B::Usage1, F::Input2, 9},
    {B::Horsepower2, F::Input2, 5},
    {B::Usage2, F::Input2, 10},
    {B::Horsepower3, F::Input2, 6},
    {B::Usage3, F::Input2, 11},
    {B::Horsepower4, F::Input2, 7},
    {B::Usage4, F::Input2, 12},
    {B::Horsepower5, F::Input2, 8},
    {B::Usage5, F::Input2, 13, 3},

    // Line 1 of input file 3 is always empty.
    {B::Wage1, F::Input3, 4},
    {B::Wage2, F::Input3, 7},
    {B::Wage3, F::Input3, 10},
    {B::WorkSpace, F::Input3, 2, 0, false},
    {B::WeeklyHours, F::Input3, 12},
    {B::ArcLampWatts, F::Input3, 3},
    {B::ArcLampUsage, F::Input3, 6},
    {B::LightingWatts, F::Input3, 9},
    {B::Efficiency1, F::Input3, 5},
    {B::Efficiency2, F::Input3, 8},
    {B::Efficiency3, F::Input3, 11},
    {B::Efficiency4, F::Input3, 13},

    {B::IndirectWages, F::Input4, 1},
    {B::Supplies, F::Input4, 2},
    {B::Repairs, F::Input4, 3},
    {B::GeneralFactory, F::Input4, 4},
    {B::Selling, F::Input4, 5},
}};

static_assert(inBoxOrder(kBoxes), "one row per box, in the order of InputBox");

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

int lineCount(BoxFile file)
{
    return lastLine(file);
}

} // namespace inputboxes
