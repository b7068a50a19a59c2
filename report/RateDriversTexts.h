#pragma once

#include "engine/RateDrivers.h"
#include "engine/ResultRecord.h"
#include "report/PrintJob.h"
#include "report/TextTable.h"
#include "store/InputTexts.h"

#include <QString>

#include <optional>

namespace report {

// What drives a rate, and what a what-if does to the rates, as the window and its printed page
// show them, in the program's money and percent formats.
namespace ratedriverstexts {

// "What drives rate (B) at level 1 (100%)": the heading over the picture and the table, the
// level's efficiency taken from the record where there is one.
QString heading(const std::optional<engine::ResultRecord>& record, int level);
// A row per input that moves the rate, largest effect first: its figure, the rate with it moved
// 10 % down and up, and the change each way in dollars and percent.
TextTable table(const engine::ratedrivers::Drivers& drivers, const store::InputTexts& texts);
// "These inputs do not move it at all: ..." listing them once; empty when every input moves it,
// or there is no rate to move.
QString stillLine(const engine::ratedrivers::Drivers& drivers);

// The twelve rates: a row per rate and level with the saved figure, the what-if one and the
// difference. A side without a record or a rate shows "(none)".
TextTable whatIfTable(const std::optional<engine::ResultRecord>& saved,
                      const std::optional<engine::ResultRecord>& whatIf);
// A row per input whose what-if text differs from the saved one.
TextTable changedInputs(const store::InputTexts& saved, const store::InputTexts& whatIf);

// The page: the heading, the tornado picture, the table of what moves the rate and what
// does not, then, when the user has typed a what-if, its inputs and the twelve rates.
struct PrintedDrivers {
    QString name;
    engine::ratedrivers::Drivers drivers;
    store::InputTexts texts; // as the what-if stands
    std::optional<engine::ResultRecord> saved;
    store::InputTexts savedTexts;
    std::optional<engine::ResultRecord> whatIf;
};
PrintJob printed(const PrintedDrivers& page);

} // namespace ratedriverstexts

} // namespace report
