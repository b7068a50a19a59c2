#pragma once

#include <QString>

#include <optional>

namespace engine {

// The work space charged to an equipment when it is derived from cost: the equipment's share of
// the plant's equipment cost, times the plant's square footage (divided first, then multiplied).
// Nothing when it cannot be computed, as when the plant's equipment cost reads as 0.
std::optional<double> workSpaceFromCostRatio(const QString& costText, const QString& totalCostText,
                                             const QString& totalFeetText);

} // namespace engine
