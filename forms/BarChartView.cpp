#include "forms/BarChartView.h"

#include "forms/PlantChart.h"

namespace forms {

BarChartView::BarChartView(Builder build, QWidget* parent) : QChartView(parent), m_build(std::move(build))
{
    setRenderHint(QPainter::Antialiasing);
}

void BarChartView::redraw()
{
    m_barsDrawn = barsThatFit();
    QChart* old = chart();
    setChart(m_build(m_barsDrawn));
    delete old;
}

void BarChartView::resizeEvent(QResizeEvent* event)
{
    QChartView::resizeEvent(event);
    if (barsThatFit() != m_barsDrawn)
        redraw();
}

int BarChartView::barsThatFit() const
{
    return plantchart::barsThatFit(width(), font());
}

} // namespace forms
