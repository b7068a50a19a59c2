#include "forms/ChartDrawing.h"

#include <QChart>
#include <QGraphicsLayout>
#include <QGraphicsScene>
#include <QPaintDevice>
#include <QPainter>

namespace forms {

void drawChart(QPainter& painter, const QRectF& area, QChart* chart)
{
    const double scale = painter.device() ? 96.0 / painter.device()->logicalDpiX() : 1.0;
    QGraphicsScene scene;
    scene.addItem(chart); // the scene owns it from here
    const QRectF laidOut(0, 0, area.width() * scale, area.height() * scale);
    chart->setGeometry(laidOut);
    if (QGraphicsLayout* layout = chart->layout())
        layout->activate();
    scene.setSceneRect(laidOut);
    scene.render(&painter, area, laidOut);
}

} // namespace forms
