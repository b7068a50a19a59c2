#pragma once

#include "engine/PlantOverview.h"
#include "pricing/MarketCheck.h"
#include "store/PressFigures.h"

#include <QList>
#include <QString>
#include <QStringView>

#include <array>
#include <optional>

namespace pricing {

// One job costed on every listed center at once: the press hours it takes on each at the speed
// and set-up time typed for that press, its cost at each efficiency level at the rate (B) the
// center's result file holds, the price quoted at a mark-up, and which center is cheapest.
namespace jobcost {

inline constexpr int kLevels = marketcheck::kLevels;

// The figures the user types: the job's quantity and mark-up, and each press's speed and set-up.
enum class Box { Quantity, MarkUp, Speed, SetUp };

// A typed figure by the program's number reading, except that a text with no number at its
// start is not taken for 0. Quantity and speed must be above 0, mark-up and set-up at least 0.
struct Figure {
    enum class Reading { Accepted, Missing, NotANumber, TooLarge, OutOfRange };
    Reading reading = Reading::Missing;
    double value = 0; // what the text reads as; 0 unless it holds a number
    bool accepted() const { return reading == Reading::Accepted; }
};
Figure readFigure(Box box, QStringView text);
// Whether the box may hold 0: the mark-up and the set-up time.
bool mayBeZero(Box box);

struct Job {
    double quantity = 0;          // pieces, above 0
    std::optional<double> markUp; // a fraction, 0.25 for 25 %; none when the typed one cannot be used
};

// What keeps a center from being costed.
enum class Gap { NoResultFile, UnreadableResults, NoRates, Speed, SetUp };

struct CenterCost {
    QString name;
    engine::plantoverview::CenterState state = engine::plantoverview::CenterState::NotCalculated;
    QString stateText; // as the plant overview words the state
    store::pressfigures::Typed typed;
    Figure speed;
    Figure setUpMinutes;
    QList<Gap> gaps;                                         // empty when the center can be costed
    std::array<std::optional<double>, kLevels> efficiency{}; // percent, with the center's results
    std::array<std::optional<double>, kLevels> rateB{};

    // The job on this center, once it has a quantity and no gaps.
    std::optional<double> hours;
    std::array<std::optional<double>, kLevels> cost{};
    std::array<std::optional<double>, kLevels> price{}; // with a mark-up to quote at

    bool ready() const { return gaps.isEmpty(); }
    marketcheck::OwnPress press() const { return {speed.value, setUpMinutes.value}; }
};

struct Costing {
    QList<CenterCost> centers; // those that can be costed in list order, then the others
    qsizetype readyCount = 0;
    std::array<std::optional<double>, kLevels> lowestCost{};

    // Levels count from 1. The cheapest are every center whose cost equals the lowest.
    bool isCheapest(const CenterCost& center, int level) const;
    std::optional<double> overCheapest(const CenterCost& center, int level) const;
    // The centers with a cost at the level, cheapest first; equal costs keep the list order.
    QList<const CenterCost*> byCost(int level) const;
    const CenterCost* find(const QString& name) const;
};

// Every center of the overview with the figures typed for its press; without a job the
// centers are sorted and their gaps found, but nothing is costed.
Costing costJob(const engine::plantoverview::Overview& overview, const store::pressfigures::ByCenter& typed,
                const std::optional<Job>& job);

// The price a cost is quoted at.
double quotedPrice(double cost, double markUp);

// "And if we print more?": the job at half, once, twice, five and ten times its quantity, in
// whole pieces (at least 1, each quantity once).
inline constexpr std::array<double, 5> kPriceListFactors = {0.5, 1, 2, 5, 10};
struct PriceListRow {
    double quantity = 0;
    double hours = 0;
    double cost = 0;
    std::optional<double> price;
};
// Empty when the center has no cost at that level.
QList<PriceListRow> priceList(const CenterCost& center, int level, const Job& job);

} // namespace jobcost

} // namespace pricing
