#pragma once

#include "engine/ResultRecord.h"
#include "store/InputTexts.h"

#include <QString>

#include <optional>

namespace engine {

// The cost formulas run on box texts that no window shows: an input moved up or down, or a
// plant-wide figure set back to an earlier one. The same gathering and formulas as Calculate BHR.
namespace textscalculation {

// The record Calculate BHR would work out from the texts; nothing where the formulas stop.
std::optional<ResultRecord> calculated(const store::InputTexts& texts);

// The text's number times the factor, as a box would hold it; nothing where the text reads as 0,
// or as a number too large for the formulas, since such an input cannot be moved by a share.
std::optional<QString> movedBy(const QString& text, double factor);

} // namespace textscalculation

} // namespace engine
