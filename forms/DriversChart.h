#pragma once

#include "PrintJob.h"
#include "RateDrivers.h"

class QChart;

// The tornado picture of what drives a rate: for each input that moves it, a bar of the change
// in rate (B) with the input 10 % down and one with it 10 % up, the largest effect at the top.
// Beyond 10 inputs only the largest are drawn, and a line says how many more the table lists.
namespace driverschart {

inline constexpr int kMostShown = 10;

// A new chart; the caller owns it (or hands it to a view or a scene).
QChart* build(const ratedrivers::Drivers& drivers);

// The same picture drawn onto a printed page.
Drawing drawing(ratedrivers::Drivers drivers);

} // namespace driverschart
