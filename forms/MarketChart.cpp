#include "forms/MarketChart.h"

#include "forms/ChartAxes.h"
#include "forms/LowerLayers.h"
#include "report/MarketCheckTexts.h"

#include <QCategoryAxis>
#include <QCoreApplication>
#include <QLegendMarker>
#include <QLineSeries>
#include <QPainter>
#include <QScatterSeries>

#include <algorithm>

using namespace forms::lowerlayers;

namespace forms {

using namespace marketcheck;
namespace texts = marketchecktexts;

namespace {

// About as many labels as fit along a small chart: the quantities' labels are the wider.
constexpr int kQuantityTicks = 4;
constexpr int kValueTicks = 6;
const QString kQuantityPattern = QStringLiteral("###,###,##0");

struct Pen {
    QColor colour;
    Qt::PenStyle style;
    double width;
};
const Pen kRetailPen{QColor(0x60, 0x60, 0x60), Qt::SolidLine, 1.5};
const Pen kCostPen{Qt::black, Qt::SolidLine, 3};
const Pen kJobPen{QColor(0xb0, 0x20, 0x20), Qt::SolidLine, 1};
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

// Marks stand out by their shape as well as their colour.
QScatterSeries* marks(const QString& name, const QList<QPointF>& points, QScatterSeries::MarkerShape shape,
                      const QColor& fill)
{
    auto* series = new QScatterSeries;
    series->setName(name);
    series->setMarkerShape(shape);
    series->setMarkerSize(10);
    series->setColor(fill);
    series->setBorderColor(Qt::black);
    series->append(points);
    return series;
}

double highest(const QList<QList<QPointF>>& lines)
{
    double top = 0;
    for (const QList<QPointF>& points : lines)
        for (const QPointF& p : points)
            top = std::max(top, p.y());
    return top;
}

// The series on the two axes; the job's upright line goes without a legend entry, its marks
// carry the name.
QChart* plotted(const QList<QAbstractSeries*>& series, QCategoryAxis* across, QCategoryAxis* up, QLineSeries* jobLine)
{
    auto* chart = new QChart;
    chart->setAnimationOptions(QChart::NoAnimation);
    chart->legend()->setAlignment(Qt::AlignRight);
    chart->legend()->setMarkerShape(QLegend::MarkerShapeFromSeries);
    chart->setMargins(QMargins(4, 4, 4, 4));
    chart->addAxis(across, Qt::AlignBottom);
    chart->addAxis(up, Qt::AlignLeft);
    for (QAbstractSeries* one : series) {
        chart->addSeries(one);
        one->attachAxis(across);
        one->attachAxis(up);
    }
    for (QLegendMarker* marker : chart->legend()->markers(jobLine))
        marker->setVisible(false);
    return chart;
}

QLineSeries* upright(double x, double top)
{
    return line(QString(), {{x, 0}, {x, top}}, kJobPen);
}

QCategoryAxis* quantityAxis(double from, double to)
{
    return chartaxes::labelled(from, to, kQuantityTicks, kQuantityPattern,
                               QCoreApplication::translate("MarketCheckTexts", texts::kQuantityAxisTitle));
}

QChart* priceChart(const pagepicture::MarketPrices& shown)
{
    const PriceLines& lines = shown.lines;
    if (lines.cost.isEmpty())
        return new QChart;
    QList<QList<QPointF>> all{lines.retail, lines.cost};
    QList<QAbstractSeries*> series{line(MarketChart::tr("Market retail"), lines.retail, kRetailPen),
                                   line(MarketChart::tr("Market cost"), lines.cost, kCostPen)};
    for (int i = 0; i < shown.efficiencies.size(); ++i) {
        all << lines.press[i];
        series << line(MarketChart::tr("Press at ") + texts::percent(shown.efficiencies[i]), lines.press[i],
                       kLevelPens[i]);
    }
    if (!shown.efficiencies.isEmpty())
        series << marks(MarketChart::tr("Cross-over"), lines.crossings, QScatterSeries::MarkerShapeCircle, Qt::red);
    const double top = highest(all) * 1.05;
    QLineSeries* jobLine = upright(lines.job, top);
    series << jobLine
           << marks(QCoreApplication::translate("MarketCheckTexts", texts::kJobMark), shown.atJob,
                    QScatterSeries::MarkerShapeRectangle, kJobPen.colour);
    QCategoryAxis* price = chartaxes::labelled(0, top, kValueTicks, QStringLiteral("$###,###,##0.##"),
                                               QCoreApplication::translate("MarketCheckTexts", texts::kPriceAxisTitle));
    return plotted(series, quantityAxis(lines.cost.first().x(), lines.cost.last().x()), price, jobLine);
}

// The upper end of the efficiency axis: room for the levels and the job's need, and for the
// curve unless it climbs far above the levels at the smallest jobs.
double efficiencyTop(const EfficiencyCurve& curve)
{
    const double levels = *std::max_element(curve.levels.begin(), curve.levels.end());
    const double climb = std::min(highest({curve.needed}), 2 * levels);
    return std::max({levels, curve.job.y(), climb, 1.0}) * 1.1;
}

QChart* breakEvenChart(const pagepicture::BreakEven& shown)
{
    const EfficiencyCurve& curve = shown.curve;
    if (curve.needed.isEmpty())
        return new QChart;
    const double from = curve.needed.first().x();
    const double to = curve.needed.last().x();
    QList<QAbstractSeries*> series{line(MarketChart::tr("Break-even"), curve.needed, kCostPen)};
    for (int i = 0; i < kLevels; ++i)
        series << line(MarketChart::tr("Level %1: ").arg(i + 1) + texts::percent(curve.levels[i]),
                       {{from, curve.levels[i]}, {to, curve.levels[i]}}, kLevelPens[i]);
    const double top = efficiencyTop(curve);
    QLineSeries* jobLine = upright(curve.job.x(), top);
    series << jobLine
           << marks(QCoreApplication::translate("MarketCheckTexts", texts::kJobMark), {curve.job},
                    QScatterSeries::MarkerShapeRectangle, kJobPen.colour);
    QCategoryAxis* efficiency =
        chartaxes::labelled(0, top, kValueTicks, QStringLiteral("##0"),
                            QCoreApplication::translate("MarketCheckTexts", texts::kEfficiencyAxisTitle));
    return plotted(series, quantityAxis(from, to), efficiency, jobLine);
}

} // namespace

QChart* marketChart(const pagepicture::MarketPrices& shown)
{
    return priceChart(shown);
}

QChart* marketChart(const pagepicture::BreakEven& shown)
{
    return breakEvenChart(shown);
}

MarketChart::MarketChart(MarketPicture picture, QWidget* parent) : QChartView(parent), m_picture(picture)
{
    setRenderHint(QPainter::Antialiasing);
    setMinimumSize(400, 300); // room for the legend beside the lines, also at a large scale
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

void MarketChart::showCheck(const MarketCheck& check)
{
    replaceChart(m_picture == MarketPicture::Price ? marketChart(pagepicture::marketPrices(check))
                                                   : marketChart(pagepicture::breakEven(check)));
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

} // namespace forms
