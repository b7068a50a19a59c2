#include "MarketChart.h"

#include "ChartAxes.h"
#include "DisplayPattern.h"
#include "MarketCheckReport.h"

#include <QCategoryAxis>
#include <QGraphicsScene>
#include <QLineSeries>
#include <QPaintDevice>
#include <QPainter>
#include <QScatterSeries>

#include <algorithm>
#include <cmath>

using namespace marketcheck;

namespace {

// About as many labels as fit along a small chart: the quantities' labels are the wider.
constexpr int kQuantityTicks = 4;
constexpr int kPriceTicks = 6;

// Each line has a pen style of its own, so that the picture still reads on a black-and-white page.
struct Pen {
    QColor colour;
    Qt::PenStyle style;
    double width;
};
const Pen kRetailPen{QColor(0x60, 0x60, 0x60), Qt::SolidLine, 1.5};
const Pen kCostPen{Qt::black, Qt::SolidLine, 3};
const Pen kLevelPens[kLevels] = {{QColor(0x1f, 0x77, 0xb4), Qt::DashLine, 2},
                                 {QColor(0xd9, 0x5f, 0x02), Qt::DotLine, 2},
                                 {QColor(0x1b, 0x9e, 0x77), Qt::DashDotLine, 2},
                                 {QColor(0x75, 0x70, 0xb3), Qt::DashDotDotLine, 2}};

QLineSeries* line(const QString& name, const QList<QPointF>& points, const Pen& look)
{
    auto* series = new QLineSeries;
    series->setName(name);
    series->append(points);
    series->setPen(QPen(QBrush(look.colour), look.width, look.style));
    return series;
}

double highest(const PriceLines& lines)
{
    double top = 0;
    const auto raise = [&top](const QList<QPointF>& points) {
        for (const QPointF& p : points)
            top = std::max(top, p.y());
    };
    raise(lines.retail);
    raise(lines.cost);
    for (const QList<QPointF>& press : lines.press)
        raise(press);
    return top;
}

} // namespace

QChart* priceChart(const MarketCheck& check)
{
    auto* chart = new QChart;
    chart->legend()->setAlignment(Qt::AlignRight);
    chart->legend()->setMarkerShape(QLegend::MarkerShapeFromSeries);
    const PriceLines lines = priceLines(check);
    if (lines.cost.isEmpty())
        return chart;
    QList<QAbstractSeries*> all{line(QStringLiteral("Market retail"), lines.retail, kRetailPen),
                                line(QStringLiteral("Market cost"), lines.cost, kCostPen)};
    for (int i = 0; i < kLevels; ++i)
        all << line(
            QStringLiteral("Press at %1 %").arg(numbers::format(check.levels[i].efficiency, QStringLiteral("##0"))),
            lines.press[i], kLevelPens[i]);
    auto* crossings = new QScatterSeries;
    crossings->setName(QStringLiteral("Cross-over"));
    crossings->setMarkerSize(10);
    crossings->setColor(Qt::red);
    crossings->setBorderColor(Qt::black);
    crossings->append(lines.crossings);
    all << crossings;

    QCategoryAxis* quantity = chartaxes::labelled(lines.cost.first().x(), lines.cost.last().x(), kQuantityTicks,
                                                  QStringLiteral("###,###,##0"), marketchecktexts::quantityAxisTitle());
    QCategoryAxis* price = chartaxes::labelled(0, highest(lines) * 1.05, kPriceTicks, QStringLiteral("$###,###,##0.##"),
                                               marketchecktexts::priceAxisTitle());
    chart->addAxis(quantity, Qt::AlignBottom);
    chart->addAxis(price, Qt::AlignLeft);
    for (QAbstractSeries* series : all) {
        chart->addSeries(series);
        series->attachAxis(quantity);
        series->attachAxis(price);
    }
    return chart;
}

void drawPriceChart(QPainter& painter, const QRectF& area, const MarketCheck& check)
{
    // Laid out at the size a screen would give it, then scaled to the page, so that its texts
    // keep their proportions on a printer of any resolution.
    const double scale = painter.device() ? 96.0 / painter.device()->logicalDpiX() : 1.0;
    QGraphicsScene scene;
    QChart* chart = priceChart(check);
    scene.addItem(chart);
    const QRectF laidOut(0, 0, area.width() * scale, area.height() * scale);
    chart->setGeometry(laidOut);
    scene.setSceneRect(laidOut);
    scene.render(&painter, area, laidOut);
}

MarketChart::MarketChart(QWidget* parent) : QChartView(parent)
{
    setRenderHint(QPainter::Antialiasing);
    setMinimumSize(300, 330);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

void MarketChart::showCheck(const MarketCheck& check)
{
    replaceChart(priceChart(check));
}

void MarketChart::clear()
{
    replaceChart(new QChart);
}

// The view gives up the chart it showed, so it goes here.
void MarketChart::replaceChart(QChart* chart)
{
    QChart* old = QChartView::chart();
    setChart(chart);
    delete old;
}
