#pragma once

class QChart;
class QPainter;
class QRectF;

namespace forms {

// Draws a chart into a rectangle of a painter, for a printed page: laid out at the size a screen
// would give it, then scaled to the page, so that its texts keep their proportions on a printer
// of any resolution. Takes the chart and deletes it when drawn.
void drawChart(QPainter& painter, const QRectF& area, QChart* chart);

} // namespace forms
