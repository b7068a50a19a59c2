#pragma once

// The worked example of the cost formulas as a user types it into the main window's boxes.

#include "forms/BoxPlaces.h"
#include "store/InputTexts.h"

#include <QString>

#include <utility>
#include <vector>

using BoxEntries = std::vector<std::pair<QString, QString>>;

// The worked example of the cost formulas as a user types it into the boxes.
inline BoxEntries workedExampleBoxes()
{
    return {
        {"txtSS", "7.65"},       {"txtDed", "76200"},       {"txtComp", "3"},         {"txtUnempComp", "2.7"},
        {"txtMaxWages", "7000"}, {"txtGroupIns", "50"},     {"txtPension", "3"},      {"txtPower", ".08"},
        {"txtVacation", "10"},   {"txtHolidays", "6"},      {"txtRent", "5"},         {"txtInsurEquip", "1"},
        {"txtPropTaxes", "2"},   {"txtDepreciation", "10"}, {"txtTotCost", "300000"}, {"txtTotFeet", "5000"},
        {"txtCost", "100000"},   {"txtHP1", "10"},          {"txtUsage1", "80"},      {"txtHP2", "5"},
        {"txtUsage2", "50"},     {"txtSq", "500"},          {"txtArc", "1000"},       {"txtArcPercent", "50"},
        {"txtTotWatt", "2000"},  {"txtHours", "40"},        {"txtWage1", "20"},       {"txtWage2", "15"},
        {"txtEff100", "100"},    {"txtEff80", "80"},        {"txtEff70", "70"},       {"txtEff60", "60"},
        {"txtInd", "5000"},      {"txtSupply", "3000"},     {"txtRepair", "2000"},    {"txtGen", "10000"},
        {"txtSell", "8000"},
    };
}

// The text the entries give a box, as a calculation would read it; empty for any other box.
inline QString boxText(const BoxEntries& entries, const QString& box)
{
    for (const auto& [name, text] : entries)
        if (name == box)
            return text;
    return QString();
}

// Every box's text, found by the box's object name.
template <typename TextOf> store::InputTexts textsByName(TextOf textOf)
{
    store::InputTexts texts;
    for (const store::inputboxes::Entry& entry : store::inputboxes::all())
        texts[entry.box] = textOf(forms::boxplaces::objectName(entry.box));
    return texts;
}

inline store::InputTexts textsOf(const BoxEntries& entries)
{
    return textsByName([&entries](const QString& name) { return boxText(entries, name); });
}
