#include "forms/JobCostChart.h"

#include "forms/ChartAxes.h"
#include "forms/LowerLayers.h"
#include "report/JobCostTexts.h"

#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QCategoryAxis>
#include <QChart>
#include <QScatterSeries>

#include <QCoreApplication>
#include <algorithm>

using namespace forms::lowerlayers;

namespace forms {

namespace {

// The texts this file shows, under one context for the translator.
struct JobCostChartTexts {
    Q_DECLARE_TR_FUNCTIONS(JobCostChart)
};

} // namespace

using namespace jobcost;

namespace {

constexpr int kLabelWidth = 110; // pixels a center's name may take under its bar
constexpr int kManyCenters = 12; // beyond this the names turn to fit
constexpr int kAmountTicks = 5;
const QColor kBarColour(0x1f, 0x77, 0xb4);
const QColor kQuotedColour(0xd9, 0x5f, 0x02); // the quoted center's bar
const QColor kPriceColour(0xb0, 0x20, 0x20);  // apart from both bar colours

QString leftOutLine(qsizetype shown, qsizetype all)
{
    if (shown == all)
        return {};
    return JobCostChartTexts::tr("The %1 cheapest centers; %2 more are left out.").arg(shown).arg(all - shown);
}

QBarSeries* costBars(const Costing& costing, const QList<const CenterCost*>& centers, int level,
                     const QString& quotedCenter)
{
    auto* set = new QBarSet(JobCostChartTexts::tr("Cost at ") + jobcosttexts::levelName(costing, level));
    set->setColor(kBarColour);
    set->setSelectedColor(kQuotedColour);
    for (qsizetype i = 0; i < centers.size(); ++i) {
        set->append(*centers[i]->cost[level - 1]);
        if (centers[i]->name == quotedCenter)
            set->selectBar(static_cast<int>(i));
    }
    auto* bars = new QBarSeries;
    bars->append(set);
    return bars;
}

QScatterSeries* priceMarkers(const QList<const CenterCost*>& centers, int level)
{
    auto* prices = new QScatterSeries;
    prices->setName(JobCostChartTexts::tr("Quoted price"));
    prices->setMarkerShape(QScatterSeries::MarkerShapeTriangle);
    prices->setMarkerSize(11);
    prices->setColor(kPriceColour);
    prices->setBorderColor(Qt::black);
    for (qsizetype i = 0; i < centers.size(); ++i)
        if (const std::optional<double>& price = centers[i]->price[level - 1])
            prices->append(static_cast<double>(i), *price);
    return prices;
}

double highest(const QList<const CenterCost*>& centers, int level)
{
    double top = 0;
    for (const CenterCost* center : centers)
        top = std::max({top, center->cost[level - 1].value_or(0), center->price[level - 1].value_or(0)});
    return top;
}

} // namespace

namespace jobcostchart {

QChart* build(const Costing& costing, int level, const QString& quotedCenter, int mostShown)
{
    const QList<const CenterCost*> all = costing.byCost(level);
    const QList<const CenterCost*> centers = all.mid(0, mostShown);
    auto* chart = new QChart;
    chart->setAnimationOptions(QChart::NoAnimation);
    chart->legend()->setAlignment(Qt::AlignBottom);
    chart->setMargins(QMargins(4, 4, 4, 4));
    chart->setTitle(leftOutLine(centers.size(), all.size()));
    if (centers.isEmpty())
        return chart;

    auto* names = new QBarCategoryAxis(chart);
    QStringList centerNames;
    for (const CenterCost* center : centers)
        centerNames.append(center->name);
    names->append(chartaxes::barNames(centerNames, names->labelsFont(), kLabelWidth));
    if (centers.size() > kManyCenters)
        names->setLabelsAngle(-60);
    names->setTruncateLabels(false); // names are already shortened to a width that fits
    chart->addAxis(names, Qt::AlignBottom);
    QCategoryAxis* amount = chartaxes::labelled(0, std::max(highest(centers, level) * 1.1, 1.0), kAmountTicks,
                                                QStringLiteral("$###,###,##0"), JobCostChartTexts::tr("$"));
    chart->addAxis(amount, Qt::AlignLeft);
    for (QAbstractSeries* series : std::initializer_list<QAbstractSeries*>{
             costBars(costing, centers, level, quotedCenter), priceMarkers(centers, level)}) {
        chart->addSeries(series);
        series->attachAxis(names);
        series->attachAxis(amount);
    }
    return chart;
}

} // namespace jobcostchart

} // namespace forms
