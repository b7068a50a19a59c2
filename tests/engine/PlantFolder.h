#pragma once

// A plant of saved centers in a folder, each calculated as Calculate BHR calculates it, from the
// worked example's boxes with some of them typed differently.

#include "BudgetCalculation.h"
#include "FileNames.h"

#include <QHash>
#include <QString>

using BoxTexts = QHash<QString, QString>;

// The worked example as typed into the boxes of the main window.
inline BoxTexts workedExampleBoxes()
{
    return {
        {"txtSS", "7.65"},       {"txtDed", "76200"},       {"txtComp", "3"},          {"txtUnempComp", "2.7"},
        {"txtMaxWages", "7000"}, {"txtGroupIns", "50"},     {"txtPension", "3"},       {"txtPower", "0.08"},
        {"txtVacation", "10"},   {"txtHolidays", "6"},      {"txtRent", "5"},          {"txtInsurEquip", "1"},
        {"txtPropTaxes", "2"},   {"txtDepreciation", "10"}, {"txtTotCost", "1000000"}, {"txtTotFeet", "20000"},
        {"txtCost", "100000"},   {"txtHP1", "10"},          {"txtUsage1", "80"},       {"txtHP2", "5"},
        {"txtUsage2", "50"},     {"txtSq", "500"},          {"txtArc", "1000"},        {"txtArcPercent", "50"},
        {"txtTotWatt", "2000"},  {"txtHours", "40"},        {"txtWage1", "20"},        {"txtWage2", "15"},
        {"txtEff100", "100"},    {"txtEff80", "80"},        {"txtEff70", "70"},        {"txtEff60", "60"},
        {"txtInd", "5000"},      {"txtSupply", "3000"},     {"txtRepair", "2000"},     {"txtGen", "10000"},
        {"txtSell", "8000"},
    };
}

// The boxes with the given ones typed differently.
inline BoxTexts typed(BoxTexts boxes, const BoxTexts& changes)
{
    for (auto it = changes.begin(); it != changes.end(); ++it)
        boxes.insert(it.key(), it.value());
    return boxes;
}

inline BudgetOutcome calculateCenter(const DataFolder& folder, const QString& name, const BoxTexts& boxes)
{
    return calculateBudget(folder, name, [&boxes](const QString& box) { return boxes.value(box); });
}
