#include "forms/DriversChart.h"

#include "forms/ChartAxes.h"
#include "forms/LowerLayers.h"
#include "store/BoxWords.h"

#include <QBarCategoryAxis>
#include <QBarSet>
#include <QCategoryAxis>
#include <QChart>
#include <QColor>
#include <QFontMetrics>
#include <QHorizontalBarSeries>

#include <QCoreApplication>
#include <algorithm>
#include <cmath>

using namespace forms::lowerlayers;

namespace forms {

namespace {

// The texts this file shows, under one context for the translator.
struct DriversChartTexts {
    Q_DECLARE_TR_FUNCTIONS(DriversChart)
};

} // namespace

namespace driverschart {
namespace {

constexpr int kChangeTicks = 6;

QBarSet* changeSet(const QString& label, const QColor& colour)
{
    auto* set = new QBarSet(label);
    set->setColor(colour);
    set->setBorderColor(colour.darker());
    return set;
}

// The change at one end; an end the formulas give no rate for draws no bar.
double changeAt(const std::optional<double>& moved, double rate)
{
    return moved ? *moved - rate : 0.0;
}

QString leftOutLine(qsizetype shown, qsizetype all)
{
    if (shown == all)
        return {};
    return DriversChartTexts::tr("The %1 inputs that move it most; the table lists all %2.").arg(shown).arg(all);
}

} // namespace

int barsThatFit(int height, const QFont& font)
{
    constexpr int kAxesRoom = 110;    // the line above, the axis below with its title, the legend
    constexpr double kBarLines = 1.6; // a name's line of text and a little space
    const double bar = kBarLines * QFontMetrics(font).height();
    return std::clamp(static_cast<int>((height - kAxesRoom) / bar), 3, kMostShown);
}

QChart* build(const ratedrivers::Drivers& drivers, int mostShown)
{
    auto* chart = new QChart;
    chart->setAnimationOptions(QChart::NoAnimation);
    chart->setMargins(QMargins(4, 4, 4, 4));
    chart->legend()->setAlignment(Qt::AlignBottom);
    if (!drivers.rate)
        return chart;
    const auto shown = std::min<qsizetype>(drivers.moving.size(), mostShown);
    chart->setTitle(leftOutLine(shown, drivers.moving.size()));
    QBarSet* down = changeSet(DriversChartTexts::tr("Input 10% down"), QColor(0x1f, 0x77, 0xb4));
    QBarSet* up = changeSet(DriversChartTexts::tr("Input 10% up"), QColor(0xd9, 0x5f, 0x02));
    QStringList names;
    double widest = 0.01;
    // The axis puts its first category at the bottom: the largest effect goes in last.
    for (qsizetype i = shown - 1; i >= 0; --i) {
        const ratedrivers::Driver& driver = drivers.moving[i];
        names.append(inputboxes::shortName(driver.box));
        down->append(changeAt(driver.down, *drivers.rate));
        up->append(changeAt(driver.up, *drivers.rate));
        widest = std::max(widest, ratedrivers::effect(driver, *drivers.rate));
    }
    // Side by side in each input's row rather than stacked, which would add up two changes of the
    // same sign.
    auto* bars = new QHorizontalBarSeries(chart);
    bars->setBarWidth(0.8);
    bars->append(down);
    bars->append(up);
    chart->addSeries(bars);
    auto* inputs = new QBarCategoryAxis(chart);
    inputs->append(names);
    inputs->setTruncateLabels(false); // the short names fit the room beside the bars
    chart->addAxis(inputs, Qt::AlignLeft);
    bars->attachAxis(inputs);
    const double reach = widest * 1.1;
    QCategoryAxis* change = chartaxes::labelled(-reach, reach, kChangeTicks, QStringLiteral("$###,##0.00"),
                                                DriversChartTexts::tr("Change in rate (B), $ per hour"));
    chart->addAxis(change, Qt::AlignBottom);
    bars->attachAxis(change);
    return chart;
}

} // namespace driverschart

} // namespace forms
