#pragma once

#include "RecalculateAll.h"
#include "TextTable.h"

#include <QString>

// What the user reads before Recalculate All saves anything, and after it has run.
namespace recalculatesummary {

// The question: how many centers change and how many cannot be recalculated.
QString question(const recalculation::Plan& plan);
// Behind it, a row per center and level: the old and the new rate (B) with the change in dollars
// and percent; then a row for each center that cannot be recalculated, with the reason.
TextTable details(const recalculation::Plan& plan);
// Why nothing can be recalculated, when the plan holds no center.
QString nothingToDo(const recalculation::Plan& plan);
// After the run: the files that could not be saved, and where a cancelled run stopped; empty when
// every file was saved.
QString outcome(const recalculation::Plan& plan, const recalculation::SaveOutcome& saved);

} // namespace recalculatesummary
