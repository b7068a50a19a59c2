#include "MarketCheck.h"

#include "NumberReading.h"
#include "ResultSlots.h"

#include <algorithm>

namespace slot = resultslots;

namespace marketcheck {

OwnFigure readOwnFigure(QStringView text)
{
    if (text.trimmed().isEmpty())
        return {OwnFigure::Reading::Missing, 0};
    const std::optional<double> value = numbers::readIfFinite(text);
    if (!value)
        return {OwnFigure::Reading::TooLarge, 0};
    return {*value > 0 ? OwnFigure::Reading::Accepted : OwnFigure::Reading::NotAboveZero, *value};
}

std::optional<MarketPrices> marketPrices(const CenterAnalysis& analysis)
{
    if (!analysis.slope || !analysis.setUpPrice || !analysis.markUp || !analysis.setUpCost || analysis.rows.isEmpty())
        return std::nullopt;
    const double priceFactor = 1 + double(*analysis.markUp);
    if (priceFactor == 0)
        return std::nullopt;
    MarketPrices prices;
    prices.runCostPerPiece = double(*analysis.slope) / priceFactor;
    prices.setUpCost = *analysis.setUpCost;
    prices.retailPerPiece = *analysis.slope;
    prices.retailSetUpPrice = *analysis.setUpPrice;
    for (const TableRow& row : analysis.rows)
        prices.quantities.append(row.quantity);
    return prices;
}

namespace {

// The budget behind rate (B), or the first figure the result file lacks for it.
MarketCheck::Gap readBudget(const ResultRecord& results, MarketCheck& check)
{
    Budget& budget = check.budget;
    const std::optional<double> annualCost = results.result(slot::annualCenterCost);
    if (!annualCost)
        return MarketCheck::Gap::NoAnnualCost;
    budget.annualCost = *annualCost;
    budget.hoursAtFull = results.input(slot::paidHours) - results.input(slot::hoursNotWorked);
    budget.employees = results.input(slot::employees);
    if (!(budget.hoursAtFull > 0) || !(budget.employees > 0))
        return MarketCheck::Gap::NoHoursAtFull;
    for (int level = 1; level <= kLevels; ++level) {
        const std::optional<double> rate = results.result(slot::rateB(level));
        if (!rate) {
            check.gapLevel = level;
            return MarketCheck::Gap::NoRate;
        }
        budget.rateB[level - 1] = *rate;
        budget.efficiency[level - 1] = results.input(slot::efficiency(level));
    }
    return MarketCheck::Gap::None;
}

// The press is cheaper for a job where rate x (set-up hours + quantity / speed) is below
// set-up cost + quantity x run cost: the set-up and the run each either favour it or not, and
// where they disagree the two costs meet at one quantity.
Crossing crossingAt(const MarketPrices& market, const OwnPress& press, double rate)
{
    const double setUpGap = rate * press.setUpHours() - market.setUpCost;
    const double pieceGap = rate / press.speed - market.runCostPerPiece;
    using Kind = Crossing::Kind;
    if (setUpGap <= 0 && pieceGap <= 0 && (setUpGap < 0 || pieceGap < 0))
        return {Kind::AlwaysCheaper, 0};
    if (setUpGap > 0 && pieceGap < 0)
        return {Kind::CheaperAbove, setUpGap / -pieceGap};
    if (setUpGap < 0 && pieceGap > 0)
        return {Kind::CheaperBelow, -setUpGap / pieceGap};
    return {Kind::NeverCheaper, 0};
}

} // namespace

MarketCheck checkMarket(const CenterAnalysis& analysis, const OwnPress& press, const ResultRecord& results)
{
    MarketCheck check;
    check.press = press;
    const std::optional<MarketPrices> market = marketPrices(analysis);
    if (!market) {
        check.gap = MarketCheck::Gap::NoMarketPrices;
        return check;
    }
    check.market = *market;
    check.runSupported = press.speed * market->runCostPerPiece;
    check.setUpSupported = market->setUpCost / press.setUpHours();
    if (!(check.runSupported > 0)) {
        check.gap = MarketCheck::Gap::RunCostNotAboveZero;
        return check;
    }
    if (!(check.setUpSupported > 0)) {
        check.gap = MarketCheck::Gap::SetUpCostNotAboveZero;
        return check;
    }
    check.gap = readBudget(results, check);
    if (check.gap != MarketCheck::Gap::None)
        return check;
    // A job's market cost over the press hours it takes lies between the two supported costs,
    // nearer the set-up's for short runs and the run's for long ones; a rate within the lower
    // of them therefore meets the market's price at every quantity.
    check.supported = std::min(check.runSupported, check.setUpSupported);
    for (int i = 0; i < kLevels; ++i) {
        LevelCheck& level = check.levels[i];
        level.efficiency = check.budget.efficiency[i];
        level.rateB = check.budget.rateB[i];
        level.margin = check.supported - level.rateB;
        level.marginPercent = level.margin / check.supported * 100;
        level.crossing = crossingAt(check.market, press, level.rateB);
    }
    const Budget& budget = check.budget;
    check.breakEven = budget.annualCost * budget.employees / (budget.hoursAtFull * check.supported);
    return check;
}

double pressCost(const OwnPress& press, double rate, double quantity)
{
    return (press.setUpHours() + quantity / press.speed) * rate;
}

PriceLines priceLines(const MarketCheck& check)
{
    PriceLines lines;
    if (check.gap != MarketCheck::Gap::None || check.market.quantities.isEmpty())
        return lines;
    for (int quantity : check.market.quantities) {
        lines.retail.append({double(quantity), check.market.retail(quantity)});
        lines.cost.append({double(quantity), check.market.cost(quantity)});
        for (int i = 0; i < kLevels; ++i)
            lines.press[i].append({double(quantity), pressCost(check.press, check.levels[i].rateB, quantity)});
    }
    const double first = check.market.quantities.first();
    const double last = check.market.quantities.last();
    for (const LevelCheck& level : check.levels) {
        const Crossing& crossing = level.crossing;
        const bool meets =
            crossing.kind == Crossing::Kind::CheaperAbove || crossing.kind == Crossing::Kind::CheaperBelow;
        if (meets && crossing.quantity >= first && crossing.quantity <= last)
            lines.crossings.append({crossing.quantity, check.market.cost(crossing.quantity)});
    }
    return lines;
}

} // namespace marketcheck
