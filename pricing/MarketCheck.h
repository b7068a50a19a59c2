#pragma once

#include "CenterAnalysis.h"
#include "ResultRecord.h"

#include <QList>
#include <QPointF>
#include <QStringView>

#include <array>
#include <optional>

// Whether a press can live at the prices the market pays: the hourly cost those prices support
// at the press's own speed and set-up time, set against its budgeted hourly cost (rate B).
namespace marketcheck {

inline constexpr int kLevels = 4;

// One figure the user types about the press, read by the program's number reading.
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
};

// The market's prices as straight lines in the quantity, before and after mark-up.
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

// What rate (B) rests on in the result file: rate (B) at efficiency e (a fraction) is the annual
// cost over e times the hours at 100 %, times the employees, whose hours are all counted.
struct Budget {
    double annualCost = 0;
    double hoursAtFull = 0; // paid hours less hours not worked, of all employees
    double employees = 0;
    std::array<double, kLevels> efficiency{}; // percentages, levels 1 to 4
    std::array<double, kLevels> rateB{};      // as the result file holds them
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
    double margin = 0;        // market-supported cost less rate (B), per hour
    double marginPercent = 0; // the margin as a share of the market-supported cost
    Crossing crossing;
};

struct MarketCheck {
    // What stopped the check; the figures below are only worked out when nothing did.
    enum class Gap {
        None,
        NoMarketPrices,
        RunCostNotAboveZero,
        SetUpCostNotAboveZero,
        NoAnnualCost,
        NoHoursAtFull,
        NoRate
    };
    Gap gap = Gap::None;
    int gapLevel = 0; // the level without a rate (B), for NoRate

    MarketPrices market;
    OwnPress press;
    Budget budget;
    double runSupported = 0;   // own speed x run cost per piece
    double setUpSupported = 0; // set-up cost / own set-up hours
    double supported = 0;      // the lower of the two
    std::array<LevelCheck, kLevels> levels;
    double breakEven = 0; // the efficiency (a fraction) at which rate (B) equals `supported`
};

MarketCheck checkMarket(const CenterAnalysis& analysis, const OwnPress& press, const ResultRecord& results);

// The press's cost for a job: set-up time plus running time, at the given hourly rate.
double pressCost(const OwnPress& press, double rate, double quantity);

// The price-by-quantity picture: the market's retail and cost lines and the press's cost at each
// level over the analysis's quantities, and the points where a level's cost meets the market's
// cost within them.
struct PriceLines {
    QList<QPointF> retail;
    QList<QPointF> cost;
    std::array<QList<QPointF>, kLevels> press;
    QList<QPointF> crossings;
};
PriceLines priceLines(const MarketCheck& check);

} // namespace marketcheck
