#include "BudgetInputs.h"

#include <utility>

namespace {

struct BoxSlot {
    const char* box;
    int slot;
};

// In the order the calculation reads the boxes.
constexpr BoxSlot kBoxSlots[] = {
    {"txtSS", 1},         {"txtDed", 2},          {"txtComp", 3},         {"txtUnempComp", 4},
    {"txtMaxWages", 5},   {"txtGroupIns", 6},     {"txtPension", 7},      {"txtPower", 15},
    {"txtVacation", 24},  {"txtHolidays", 25},    {"txtRent", 28},        {"txtInsurEquip", 29},
    {"txtPropTaxes", 30}, {"txtDepreciation", 31}, {"txtCost", 12},       {"txtSq", 14},
    {"txtArc", 17},       {"txtWage1", 21},       {"txtEff100", 77},      {"txtArcPercent", 18},
    {"txtWage2", 22},     {"txtEff80", 78},       {"txtTotWatt", 19},     {"txtWage3", 23},
    {"txtEff70", 79},     {"txtHours", 20},       {"txtEff60", 80},       {"txtInd", 37},
    {"txtSupply", 47},    {"txtRepair", 60},      {"txtGen", 65},         {"txtSell", 68},
};

constexpr const char* kMotorBoxes[] = {"txtHP1",    "txtHP2",    "txtHP3",    "txtHP4",    "txtHP5",
                                       "txtUsage1", "txtUsage2", "txtUsage3", "txtUsage4", "txtUsage5"};

} // namespace

CostInputs gatherCostInputs(const BoxText& boxText)
{
    CostInputs inputs;
    for (const BoxSlot& entry : kBoxSlots)
        inputs.slotTexts.at(entry.slot) = boxText(QString::fromLatin1(entry.box));
    for (std::size_t motor = 0; motor < std::size(kMotorBoxes); ++motor)
        inputs.motorTexts.at(motor) = boxText(QString::fromLatin1(kMotorBoxes[motor]));
    return inputs;
}
