#pragma once

#include <array>
#include <cstddef>

// Every input box of the main window's tabs "2. General Information" to "5. Indirect Costs", in
// the order the tabs show them. The plant file and the input files are laid out from the table
// behind inputboxes::all(); the words that name each box are in BoxWords.h, its place on the
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
