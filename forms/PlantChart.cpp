#include "forms/PlantChart.h"

#include "forms/ChartAxes.h"
#include "forms/LowerLayers.h"

#include <QBarCategoryAxis>
#include <QBarSet>
#include <QCategoryAxis>
#include <QChart>
#include <QColor>
#include <QFontMetrics>
#include <QGraphicsLayout>
#include <QGraphicsScene>
#include <QPainter>
#include <QScatterSeries>
#include <QStackedBarSeries>

#include <QCoreApplication>
#include <algorithm>
#include <utility>

using namespace forms::lowerlayers;

namespace forms {

namespace {

// The texts this file shows, under one context for the translator.
struct PlantChartTexts {
    Q_DECLARE_TR_FUNCTIONS(PlantChart)
};

} // namespace

using Center = pagepicture::CenterCost;

namespace {

constexpr int kLabelWidth = 110;       // pixels a center's name may take under its bar
constexpr double kDrawingWidth = 1000; // the picture is laid out at this width, then scaled to the page
constexpr int kManyCenters = 12;       // beyond this the names turn to fit
constexpr int kAmountTicks = 5;        // labels up each side

QBarSet* costSet(const QString& label, const QList<Center>& centers, double plantoverview::CostSplit::*part)
{
    auto* set = new QBarSet(label);
    for (const Center& center : centers)
        set->append(center.split.*part);
    return set;
}

} // namespace

namespace plantchart {

namespace {

// The centers to draw: all of them, or the largest by annual cost, largest first.
QList<Center> drawn(QList<Center> centers, int mostShown)
{
    if (centers.size() <= mostShown)
        return centers;
    std::stable_sort(centers.begin(), centers.end(),
                     [](const Center& a, const Center& b) { return a.split.total() > b.split.total(); });
    centers.resize(mostShown);
    return centers;
}

QString leftOutLine(qsizetype shown, qsizetype all)
{
    if (shown == all)
        return {};
    return PlantChartTexts::tr("The %1 centers of largest annual cost; %2 more are left out.")
        .arg(shown)
        .arg(all - shown);
}

void addCostBars(QChart* chart, const QList<Center>& centers, QAbstractAxis* names, QAbstractAxis* cost)
{
    using plantoverview::CostSplit;
    const std::pair<QString, double CostSplit::*> parts[] = {
        {PlantChartTexts::tr("Fixed"), &CostSplit::fixed},
        {PlantChartTexts::tr("Wages"), &CostSplit::wages},
        {PlantChartTexts::tr("Power"), &CostSplit::power},
        {PlantChartTexts::tr("Variable"), &CostSplit::variable},
        {PlantChartTexts::tr("General factory"), &CostSplit::generalFactory},
        {PlantChartTexts::tr("Selling"), &CostSplit::selling},
    };
    auto* bars = new QStackedBarSeries(chart);
    for (const auto& [label, part] : parts)
        bars->append(costSet(label, centers, part));
    chart->addSeries(bars);
    bars->attachAxis(names);
    bars->attachAxis(cost);
}

void addRateMarkers(QChart* chart, const QList<Center>& centers, QAbstractAxis* names, QAbstractAxis* rate)
{
    auto* rates = new QScatterSeries(chart);
    rates->setName(PlantChartTexts::tr("Rate (B), level 1"));
    rates->setMarkerShape(QScatterSeries::MarkerShapeTriangle);
    rates->setMarkerSize(11);
    rates->setColor(QColor(0xb0, 0x20, 0x20)); // apart from every bar colour
    rates->setBorderColor(Qt::black);
    for (qsizetype i = 0; i < centers.size(); ++i)
        if (centers[i].rateB1)
            rates->append(static_cast<double>(i), *centers[i].rateB1);
    chart->addSeries(rates);
    rates->attachAxis(names);
    rates->attachAxis(rate);
}

} // namespace

int barsThatFit(int width, const QFont& font)
{
    constexpr int kAxesRoom = 200;    // both amount axes with their titles
    constexpr double kBarLines = 1.5; // a name's line of text and a little space
    const double bar = kBarLines * QFontMetrics(font).height();
    return std::clamp(static_cast<int>((width - kAxesRoom) / bar), 1, kMostShown);
}

QChart* build(const pagepicture::PlantCosts& costs, int mostShown)
{
    const QList<Center>& all = costs.centers;
    const QList<Center> centers = drawn(all, mostShown);
    auto* chart = new QChart;
    chart->setAnimationOptions(QChart::NoAnimation);
    chart->legend()->setAlignment(Qt::AlignBottom);
    chart->setMargins(QMargins(4, 4, 4, 4)); // the plot takes what room a small window has
    chart->setTitle(leftOutLine(centers.size(), all.size()));

    auto* names = new QBarCategoryAxis(chart);
    QStringList centerNames;
    for (const Center& center : centers)
        centerNames.append(center.name);
    names->append(chartaxes::barNames(centerNames, names->labelsFont(), kLabelWidth));
    if (centers.size() > kManyCenters)
        names->setLabelsAngle(-60);
    names->setTruncateLabels(false); // names are already shortened to a width that fits
    chart->addAxis(names, Qt::AlignBottom);

    // Axes from nought, labelled as the table writes amounts.
    double highestCost = 0;
    double highestRate = 0;
    for (const Center& center : centers) {
        highestCost = std::max(highestCost, center.split.total());
        highestRate = std::max(highestRate, center.rateB1.value_or(0));
    }
    QCategoryAxis* cost = chartaxes::labelled(0, std::max(highestCost * 1.1, 1.0), kAmountTicks,
                                              QStringLiteral("$###,###,##0"), PlantChartTexts::tr("$ per year"));
    chart->addAxis(cost, Qt::AlignLeft);
    QCategoryAxis* rate = chartaxes::labelled(0, std::max(highestRate * 1.15, 1.0), kAmountTicks,
                                              QStringLiteral("$###,##0.00"), PlantChartTexts::tr("$ per hour"));
    chart->addAxis(rate, Qt::AlignRight);
    addCostBars(chart, centers, names, cost);
    addRateMarkers(chart, centers, names, rate);
    return chart;
}

void draw(QPainter& painter, const QRectF& area, const pagepicture::PlantCosts& costs)
{
    if (area.width() <= 0 || area.height() <= 0)
        return;
    QGraphicsScene scene;
    QChart* chart = build(costs);
    scene.addItem(chart); // the scene owns it from here
    const QRectF laidOut(0, 0, kDrawingWidth, kDrawingWidth * area.height() / area.width());
    chart->setGeometry(laidOut);
    if (QGraphicsLayout* layout = chart->layout())
        layout->activate();
    scene.setSceneRect(laidOut);
    scene.render(&painter, area, laidOut);
}

} // namespace plantchart

} // namespace forms
