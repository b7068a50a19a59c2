#pragma once

#include "MarketCheck.h"

#include <QChartView>

class QPainter;
class QRectF;

// The price of a job by quantity: the market's retail and cost lines, this press's cost at each
// efficiency level and the cross-over points, on axes labelled in the program's formats.
QChart* priceChart(const marketcheck::MarketCheck& check);

// The same picture drawn into the rectangle of a painter, for the printed page.
void drawPriceChart(QPainter& painter, const QRectF& area, const marketcheck::MarketCheck& check);

// The picture in the window; it takes whatever room the window gives it.
class MarketChart : public QChartView {
    Q_OBJECT
public:
    explicit MarketChart(QWidget* parent = nullptr);
    // Room for the lines to part above the legend; it can shrink to a cramped minimum.
    QSize sizeHint() const override { return {520, 440}; }
    // Shows the check's picture; a check with a gap leaves the picture empty.
    void showCheck(const marketcheck::MarketCheck& check);
    void clear();

private:
    void replaceChart(QChart* chart);
};
