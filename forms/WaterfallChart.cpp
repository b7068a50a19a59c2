#include "forms/WaterfallChart.h"

#include "forms/ChartAxes.h"
#include "forms/LowerLayers.h"
#include "report/ChangeText.h"
#include "textrules/DisplayPattern.h"

#include <QBarCategoryAxis>
#include <QBarLegendMarker>
#include <QBarSet>
#include <QCategoryAxis>
#include <QChart>
#include <QColor>
#include <QStackedBarSeries>

#include <QCoreApplication>
#include <algorithm>

using namespace forms::lowerlayers;

namespace forms {

namespace {

// The texts this file shows, under one context for the translator.
struct WaterfallChartTexts {
    Q_DECLARE_TR_FUNCTIONS(WaterfallChart)
};

} // namespace

namespace waterfallchart {
namespace {

using pagepicture::Step;

constexpr int kRateTicks = 6;

QBarSet* barSet(const QString& label, const QColor& colour)
{
    auto* set = new QBarSet(label);
    set->setColor(colour);
    set->setBorderColor(colour == Qt::transparent ? colour : colour.darker());
    return set;
}

QString stepLabel(const Step& step)
{
    const QString figure =
        step.total ? numbers::format(step.to, numbers::kMoneyPattern) : changetext::signedMoney(step.to - step.from);
    return step.label + u'\n' + figure;
}

// The range the bars' ends span, with room above and below.
std::pair<double, double> rateRange(const QList<Step>& steps)
{
    double low = steps.first().to;
    double high = low;
    for (const Step& step : steps) {
        for (const double end : {step.from, step.to})
            if (!step.total || end == step.to) {
                low = std::min(low, end);
                high = std::max(high, end);
            }
    }
    const double room = std::max((high - low) * 0.2, 0.02);
    return {std::max(0.0, low - room), high + room};
}

} // namespace

QChart* build(const pagepicture::RateSteps& shown)
{
    const QList<Step>& steps = shown.steps;
    auto* chart = new QChart;
    chart->setAnimationOptions(QChart::NoAnimation);
    chart->setMargins(QMargins(4, 4, 4, 4));
    chart->setTitle(shown.title);
    chart->legend()->setAlignment(Qt::AlignBottom);
    if (steps.isEmpty())
        return chart;
    // Each bar stands on an unseen one that lifts it to where the step before it ended.
    QBarSet* lift = barSet(QString(), Qt::transparent);
    QBarSet* rate = barSet(WaterfallChartTexts::tr("Rate (B)"), QColor(0x60, 0x60, 0x60));
    QBarSet* rise = barSet(WaterfallChartTexts::tr("Raises it"), QColor(0xc0, 0x39, 0x2b));
    QBarSet* fall = barSet(WaterfallChartTexts::tr("Lowers it"), QColor(0x1b, 0x9e, 0x77));
    QStringList labels;
    for (const Step& step : steps) {
        labels.append(stepLabel(step));
        lift->append(step.total ? 0.0 : std::min(step.from, step.to));
        rate->append(step.total ? step.to : 0.0);
        rise->append(step.total ? 0.0 : std::max(0.0, step.to - step.from));
        fall->append(step.total ? 0.0 : std::max(0.0, step.from - step.to));
    }
    auto* bars = new QStackedBarSeries(chart);
    for (QBarSet* set : {lift, rate, rise, fall})
        bars->append(set);
    chart->addSeries(bars);
    // The legend names only the kinds of bar the picture has.
    for (QLegendMarker* marker : chart->legend()->markers(bars))
        if (auto* bar = qobject_cast<QBarLegendMarker*>(marker))
            marker->setVisible(bar->barset() != lift && bar->barset()->sum() > 0);
    auto* names = new QBarCategoryAxis(chart);
    names->append(labels);
    chart->addAxis(names, Qt::AlignBottom);
    bars->attachAxis(names);
    const auto [low, high] = rateRange(steps);
    QCategoryAxis* axis = chartaxes::labelled(low, high, kRateTicks, QStringLiteral("$###,##0.00"),
                                              WaterfallChartTexts::tr("$ per hour"));
    chart->addAxis(axis, Qt::AlignLeft);
    bars->attachAxis(axis);
    return chart;
}

} // namespace waterfallchart

} // namespace forms
