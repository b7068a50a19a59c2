#pragma once

#include <array>
#include <cstddef>

namespace store {

// Every input box of the main window's tabs "2. General Information" to "5. Indirect Costs", in
// the order the tabs show them. The plant file and the input files are laid out from the table
// below (inputboxes::all()); the words that name each box are in BoxWords.h, its place on the
// tabs in forms/BoxPlaces.h.
enum class InputBox {
    // 2. General Information: the plant file, shared by all equipment.
    SocialSecurityRate,
    MaximumSalary,
    WorkmansComp,
    UnemploymentComp,
    MaximumUnemploymentWages,
    GroupInsurance,
    Pension,
    PowerPrice,
    VacationDays,
    Holidays,
    Rent,
    EquipmentInsurance,
    PropertyTaxes,
    Depreciation,
    PlantEquipmentCost,
    PlantSquareFeet,
    // 3. Equipment: input file 2.
    EquipmentCost,
    Horsepower1,
    Usage1,
    Horsepower2,
    Usage2,
    Horsepower3,
    Usage3,
    Horsepower4,
    Usage4,
    Horsepower5,
    Usage5,
    // 4. Wages and Efficiency: input file 3.
    Wage1,
    Wage2,
    Wage3,
    WorkSpace,
    WeeklyHours,
    ArcLampWatts,
    ArcLampUsage,
    LightingWatts,
    Efficiency1,
    Efficiency2,
    Efficiency3,
    Efficiency4,
    // 5. Indirect Costs: input file 4.
    IndirectWages,
    Supplies,
    Repairs,
    GeneralFactory,
    Selling,
};

namespace inputboxes {

enum class BoxFile { Plant, Input2, Input3, Input4 };

struct Entry {
    InputBox box;
    BoxFile file;
    int line;                   // 1-based line of the file that holds the box's text
    int copyLine = 0;           // a second line written with the same text and never read back, or 0
    bool loadedWithFile = true; // false for the work space, which each loading has its own rule for
};

inline constexpr std::size_t kCount = static_cast<std::size_t>(InputBox::Selling) + 1; // the last box

// Where each box's text stands in the files, in the order of InputBox. A new box is a value of
// InputBox and its row here; its words are in BoxWords.cpp, its place on the tabs in
// forms/BoxPlaces.cpp.
namespace layout {
using B = InputBox;
using F = BoxFile;

inline constexpr std::array<Entry, kCount> kBoxes = {{
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

} // namespace layout

const std::array<Entry, kCount>& all();
const Entry& entry(InputBox box);

// Whether a table holds one row per box in the order of InputBox, so that a box's row is found by
// its value.
template <typename Row> constexpr bool inBoxOrder(const std::array<Row, kCount>& rows)
{
    for (std::size_t i = 0; i < kCount; ++i)
        if (rows[i].box != InputBox(i))
            return false;
    return true;
}

// How many lines the file has: the last line any box holds.
int lineCount(BoxFile file);

} // namespace inputboxes

} // namespace store
