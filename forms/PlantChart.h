#pragma once

#include "report/PagePicture.h"

class QChart;
class QFont;
class QPainter;
class QRectF;

namespace forms {

// The plant picture: for each center with saved results a bar of its total annual cost stacked
// from its parts, and a marker at its rate (B) on the first level. Beyond 40 centers only those
// of largest annual cost are drawn (fewer in a narrow window), and a line says how many are left
// out, so that every bar and name can still be read.
namespace plantchart {

inline constexpr int kMostShown = 40;

// A new chart of at most `mostShown` centers; the caller owns it (or hands it to a view or a scene).
QChart* build(const report::pagepicture::PlantCosts& costs, int mostShown = kMostShown);

// How many bars a picture of that width can draw with room for each name's line of text.
int barsThatFit(int width, const QFont& font);

// The same picture drawn into a rectangle of a printed page.
void draw(QPainter& painter, const QRectF& area, const report::pagepicture::PlantCosts& costs);

} // namespace plantchart

} // namespace forms
