#pragma once

#include "engine/RecalculateAll.h"
#include "report/TextTable.h"

#include <QString>

namespace report {

// What the user reads before Recalculate All saves anything, and after it has run.
namespace recalculatesummary {

// The question: how many centers change and how many cannot be recalculated.
QString question(const engine::recalculation::Plan& plan);
// Behind it, a row per center and level: the old and the new rate (B) with the change in dollars
// and percent and the inputs it is made up of; then a row for each center that cannot be
// recalculated, with the reason.
TextTable details(const engine::recalculation::Plan& plan);
// A message whose list of centers may be long: the text names the first 20 and how many more,
// and the details, one click away, hold the whole list. Details are empty when the text holds it.
struct [[nodiscard]] Message {
    QString text;
    QString details;
};
inline constexpr int kCentersNamed = 20;

// Why nothing can be recalculated, when the plan holds no center.
Message nothingToDo(const engine::recalculation::Plan& plan);
// After the run: the files that could not be saved, and where a cancelled run stopped; an empty
// text when every file was saved.
Message outcome(const engine::recalculation::Plan& plan, const engine::recalculation::SaveOutcome& saved);

} // namespace recalculatesummary

} // namespace report
