#pragma once

#include "engine/RateDrivers.h"

class QChart;
class QFont;

namespace forms {

// The tornado picture of what drives a rate: for each input that moves it, a bar of the change
// in rate (B) with the input 10 % down and one with it 10 % up, the largest effect at the top.
// Beyond 10 inputs (fewer in a low window) only the largest are drawn, and a line says how many
// more the table lists.
namespace driverschart {

inline constexpr int kMostShown = 10;

// A new chart of at most `mostShown` inputs; the caller owns it (or hands it to a view or a scene).
QChart* build(const engine::ratedrivers::Drivers& drivers, int mostShown = kMostShown);

// How many inputs a picture of that height has room for, each with its line of text.
int barsThatFit(int height, const QFont& font);

} // namespace driverschart

} // namespace forms
