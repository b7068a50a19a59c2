#pragma once

#include "report/PagePicture.h"

class QChart;

namespace forms {

// The waterfall picture of one center's change in rate (B): its saved rate, a bar up or down for
// each input's part, and today's rate. The axis starts near the rates rather than at nought, so
// that a change of a few cents can be seen.
namespace waterfallchart {

// A new chart; the caller owns it (or hands it to a view or a scene).
QChart* build(const report::pagepicture::RateSteps& shown);

} // namespace waterfallchart

} // namespace forms
