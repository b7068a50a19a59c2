#pragma once

#include "engine/ResultRecord.h"
#include "pricing/CenterAnalysis.h"

#include <QList>
#include <QPointF>
#include <QStringView>

#include <array>
#include <optional>

namespace pricing {

// Whether a press can live at the prices the market pays, for the job a shop typically runs:
// what the market pays for that job, set against what the job costs on the press at its own
// speed and set-up time and its budgeted hourly cost (rate B) at each efficiency level.
namespace marketcheck {

inline constexpr int kLevels = 4;

// One figure the user types about the press or the job, read by the program's number reading.
struct OwnFigure {
    enum class Reading { Accepted, Missing, TooLarge, NotAboveZero };
    Reading reading = Reading::Missing;
    double value = 0; // what the text reads as (0 when missing or too large)
};
OwnFigure readOwnFigure(QStringView text);

// The press's own running speed and set-up time, both above 0.
struct OwnPress {
    double speed = 0; // impressions per hour
    double setUpMinutes = 0;
    double setUpHours() const { return setUpMinutes / 60; }
    // The press hours a job takes: its set-up, then its run.
    double hours(double quantity) const { return setUpHours() + quantity / speed; }
};

// The market's prices as straight lines in the quantity, before and after mark-up, as the
// analysis's table gives them.
struct MarketPrices {
    double runCostPerPiece = 0; // the run part of the price per piece, before mark-up
    double setUpCost = 0;       // the set-up part of the price, before mark-up
    double retailPerPiece = 0;
    double retailSetUpPrice = 0;
    QList<int> quantities; // the analysis's table quantities, from 100 to its largest

    double cost(double quantity) const { return setUpCost + runCostPerPiece * quantity; }
    double retail(double quantity) const { return retailSetUpPrice + retailPerPiece * quantity; }
};
// Nothing when the analysis could not work out a price line or its table.
std::optional<MarketPrices> marketPrices(const CenterAnalysis& analysis);

// The job the check starts from: the geometric mean of the analysis's two quantities, which
// lies between them whatever their spread; 1,000 pieces when they give none.
double typicalJob(const CenterAnalysis& analysis);

// What rate (B) rests on in the result file. The chargeable hours of all employees are the
// hours at 100 % times the efficiency, and rate (B) is the annual cost over them, times the
// employees.
struct Budget {
    double annualCost = 0;
    double hoursAtFull = 0; // paid hours less hours not worked, of all employees
    double employees = 0;
    std::array<double, kLevels> efficiency{}; // percentages, levels 1 to 4
    std::array<double, kLevels> rateB{};      // as the result file holds them

    // The efficiency, as a fraction, at which rate (B) comes to the given rate.
    double efficiencyFor(double rate) const { return annualCost * employees / (hoursAtFull * rate); }
};

// How the press's cost for a job compares with the market's as the quantity grows.
struct Crossing {
    enum class Kind { CheaperAbove, CheaperBelow, AlwaysCheaper, NeverCheaper };
    Kind kind = Kind::NeverCheaper;
    double quantity = 0; // where the two costs meet, for CheaperAbove and CheaperBelow
};

struct LevelCheck {
    double efficiency = 0; // percentage
    double rateB = 0;
    double jobCost = 0;       // the job on this press at rate (B)
    double marginPerHour = 0; // market-supported hourly cost less rate (B)
    double marginPerJob = 0;  // the market's cost of the job less the press's
    bool cheaper = false;     // the press's cost of the job is below the market's
    Crossing crossing;
};

struct MarketCheck {
    // What stopped the check. Up to the market's own gaps nothing is worked out; from NoResults
    // on the market's figures for the job are, but not the press's rates.
    enum class Gap {
        None,
        NoMarketPrices,
        RunCostNotAboveZero,
        SetUpCostNotAboveZero,
        NoResults,
        UnreadableResults,
        NoAnnualCost,
        NoHoursAtFull,
        NoRate
    };
    Gap gap = Gap::None;
    int gapLevel = 0; // the level without a rate (B), for NoRate
    bool hasMarketFigures() const { return gap == Gap::None || gap >= Gap::NoResults; }
    bool hasRates() const { return gap == Gap::None; }

    MarketPrices market;
    OwnPress press;
    double job = 0; // pieces

    // The job, before mark-up.
    double marketCost = 0; // the market's price for it
    double pressHours = 0; // set-up and run on this press
    double supported = 0;  // the hourly cost the market's price pays: market cost over press hours

    // The hourly cost that the set-up price alone and the run price alone pay; the lower of them
    // is the rate within which the press is cheaper on every job, however small or large.
    double runSupported = 0;
    double setUpSupported = 0;
    double everyJob = 0;

    Budget budget;
    std::array<LevelCheck, kLevels> levels;
    double breakEven = 0; // the efficiency (a fraction) at which rate (B) meets `supported`
};

// The reading of a result file: missing (nullopt) or read, well or not.
struct Results {
    enum class State { Missing, Unreadable, Read };
    State state = State::Missing;
    engine::ResultRecord record;
};

MarketCheck checkMarket(const CenterAnalysis& analysis, const OwnPress& press, double job, const Results& results);

// The press's cost for a job: set-up time plus running time, at the given hourly rate.
double pressCost(const OwnPress& press, double rate, double quantity);

// The price-by-quantity picture: the market's retail and cost lines over the analysis's
// quantities and the job, and with rates the press's cost at each level and the points where a
// level's cost meets the market's cost within them.
struct PriceLines {
    QList<QPointF> retail;
    QList<QPointF> cost;
    std::array<QList<QPointF>, kLevels> press;
    QList<QPointF> crossings;
    double job = 0;
    bool operator==(const PriceLines&) const = default;
};
PriceLines priceLines(const MarketCheck& check);

// The break-even picture: the efficiency (percent) the press needs to meet the market's price,
// by job size, over the same quantities; the levels as horizontal lines; the job with its need.
struct EfficiencyCurve {
    QList<QPointF> needed;
    std::array<double, kLevels> levels{};
    QPointF job;
    bool operator==(const EfficiencyCurve&) const = default;
};
EfficiencyCurve efficiencyCurve(const MarketCheck& check);

} // namespace marketcheck

} // namespace pricing
