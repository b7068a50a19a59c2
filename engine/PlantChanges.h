#pragma once

#include "engine/ResultRecord.h"
#include "store/InputTexts.h"

#include <QList>

#include <optional>
#include <utility>

namespace engine {

// Which plant-wide figures have changed since a center's rates were saved. The result file
// keeps, beside each rate, the input values it was worked out with, so each plant-wide box that
// feeds a slot can be compared with today's plant file, and set back to what it was.
namespace plantchanges {

// The plant-wide boxes that feed a figure of the result record, in the order of their tab. The
// plant's totals of equipment cost and square feet feed none.
const QList<store::InputBox>& plantFigures();

// Today's plant-wide figures in the form a result file holds them, worked out once and compared
// with every center's saved figures.
class TodaysPlant {
public:
    explicit TodaysPlant(const store::InputTexts& texts);

    // The plant-wide boxes whose figure differs from the one the saved results hold, in the
    // order of their tab.
    QList<store::InputBox> changedSince(const ResultRecord& saved) const;

private:
    // Nothing where today's text reads as a number too large for the formulas.
    QList<std::pair<store::InputBox, std::optional<QString>>> m_values;
};

// The texts with each of the boxes set back to the figure the saved results hold for it.
store::InputTexts withSavedFigures(store::InputTexts texts, const ResultRecord& saved,
                                   const QList<store::InputBox>& boxes);

} // namespace plantchanges

} // namespace engine
