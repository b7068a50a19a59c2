#pragma once

#include "engine/PlantOverview.h"
#include "engine/RateDrivers.h"
#include "pricing/MarketCheck.h"

#include <QList>
#include <QPointF>
#include <QString>

#include <optional>
#include <variant>

namespace report {

// What a picture on a printed page shows, as figures: the page is built with them here, and the
// printer draws them in the same charts as the windows.
namespace pagepicture {

// The market check's price of a job by quantity: the market's retail and cost lines and, where
// the press has rates, its cost at each level with the cross-over points; the typical job marked
// at the market's cost and at each level's.
struct MarketPrices {
    pricing::marketcheck::PriceLines lines;
    QList<double> efficiencies; // each level's, in percent; none without rates
    QList<QPointF> atJob;       // the market's cost of the job, then the press's at each level
    bool operator==(const MarketPrices&) const = default;
};

// The efficiency the press needs to meet the market's price by job size, the levels and the job.
struct BreakEven {
    pricing::marketcheck::EfficiencyCurve curve;
    bool operator==(const BreakEven&) const = default;
};

// A center's bar in the plant picture: its annual cost by parts, marked at its rate (B) on level 1.
struct CenterCost {
    QString name;
    engine::plantoverview::CostSplit split;
    std::optional<double> rateB1;
    bool operator==(const CenterCost&) const = default;
};
struct PlantCosts {
    QList<CenterCost> centers; // those with saved results, in the overview's order
    bool operator==(const PlantCosts&) const = default;
};

// One bar of the waterfall of a change in rate (B): the saved rate, each part from where the one
// before it ended, and today's rate. Totals stand on the axis.
struct Step {
    QString label;
    double from = 0;
    double to = 0;
    bool total = false;
    bool operator==(const Step&) const = default;
};
struct RateSteps {
    QString title;
    QList<Step> steps;
    bool operator==(const RateSteps&) const = default;
};

// The tornado of what drives a rate: each moving input's rate 10 % down and up.
struct RateDrivers {
    engine::ratedrivers::Drivers drivers;
    bool operator==(const RateDrivers&) const = default;
};

MarketPrices marketPrices(const pricing::marketcheck::MarketCheck& check);
BreakEven breakEven(const pricing::marketcheck::MarketCheck& check);
PlantCosts plantCosts(const engine::plantoverview::Overview& overview);

} // namespace pagepicture

using PagePicture = std::variant<pagepicture::MarketPrices, pagepicture::BreakEven, pagepicture::PlantCosts,
                                 pagepicture::RateSteps, pagepicture::RateDrivers>;

} // namespace report
