#pragma once

#include "report/PagePicture.h"

class QPainter;
class QRectF;

namespace forms {

// Draws a printed page's picture into a rectangle of the page, in the same chart the window
// shows it in; the printers are given this to draw the pages' pictures.
void drawPagePicture(QPainter& painter, const QRectF& area, const report::PagePicture& picture);

} // namespace forms
