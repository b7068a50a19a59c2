#include "pricing/MarketCheck.h"

#include "textrules/NumberReading.h"

#include <algorithm>
#include <cmath>

using namespace textrules;
using namespace engine;

namespace pricing {

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

// The cost line is the analysis table's: retail over one plus the mark-up, so that the check
// and the table agree at every quantity.
std::optional<MarketPrices> marketPrices(const CenterAnalysis& analysis)
{
    if (!analysis.slope || !analysis.setUpPrice || !analysis.markUp || analysis.rows.isEmpty())
        return std::nullopt;
    const double priceFactor = 1 + double(*analysis.markUp);
    if (priceFactor == 0)
        return std::nullopt;
    MarketPrices prices;
    prices.retailPerPiece = *analysis.slope;
    prices.retailSetUpPrice = *analysis.setUpPrice;
    prices.runCostPerPiece = prices.retailPerPiece / priceFactor;
    prices.setUpCost = prices.retailSetUpPrice / priceFactor;
    for (const TableRow& row : analysis.rows)
        prices.quantities.append(row.quantity);
    return prices;
}

double typicalJob(const CenterAnalysis& analysis)
{
    const double first = analysis.quantity1.value_or(0);
    const double second = analysis.quantity2.value_or(0);
    if (!(first > 0) || !(second > 0))
        return 1000;
    return std::max(1.0, std::round(std::sqrt(first * second)));
}

namespace {

using Gap = MarketCheck::Gap;

// The budget behind rate (B), or the first figure the result file lacks for it.
Gap readBudget(const Results& results, MarketCheck& check)
{
    if (results.state != Results::State::Read)
        return results.state == Results::State::Missing ? Gap::NoResults : Gap::UnreadableResults;
    const ResultRecord& record = results.record;
    Budget& budget = check.budget;
    const std::optional<double> annualCost = record.annualCost(AnnualCost::AnnualCenterCost);
    if (!annualCost)
        return Gap::NoAnnualCost;
    budget.annualCost = *annualCost;
    budget.hoursAtFull = record.paidHours() - record.hoursNotWorked();
    budget.employees = record.employees();
    if (!(budget.hoursAtFull > 0) || !(budget.employees > 0))
        return Gap::NoHoursAtFull;
    for (int level = 1; level <= kLevels; ++level) {
        const std::optional<double> rate = record.rate(HourlyRate::B, level);
        if (!rate) {
            check.gapLevel = level;
            return Gap::NoRate;
        }
        budget.rateB[level - 1] = *rate;
        budget.efficiency[level - 1] = record.efficiency(level);
    }
    return Gap::None;
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

Gap marketGap(const MarketCheck& check)
{
    if (!(check.runSupported > 0))
        return Gap::RunCostNotAboveZero;
    if (!(check.setUpSupported > 0))
        return Gap::SetUpCostNotAboveZero;
    return Gap::None;
}

void checkLevels(MarketCheck& check)
{
    for (int i = 0; i < kLevels; ++i) {
        LevelCheck& level = check.levels[i];
        level.efficiency = check.budget.efficiency[i];
        level.rateB = check.budget.rateB[i];
        level.jobCost = pressCost(check.press, level.rateB, check.job);
        level.marginPerHour = check.supported - level.rateB;
        level.marginPerJob = check.marketCost - level.jobCost;
        level.cheaper = level.jobCost < check.marketCost;
        level.crossing = crossingAt(check.market, check.press, level.rateB);
    }
}

// The quantities both pictures span: the analysis's table, widened to take in the job.
std::pair<double, double> quantityRange(const MarketCheck& check)
{
    const QList<int>& quantities = check.market.quantities;
    return {std::min<double>(quantities.first(), check.job), std::max<double>(quantities.last(), check.job)};
}

} // namespace

MarketCheck checkMarket(const CenterAnalysis& analysis, const OwnPress& press, double job, const Results& results)
{
    MarketCheck check;
    check.press = press;
    check.job = job;
    const std::optional<MarketPrices> market = marketPrices(analysis);
    if (!market) {
        check.gap = Gap::NoMarketPrices;
        return check;
    }
    check.market = *market;
    check.runSupported = press.speed * market->runCostPerPiece;
    check.setUpSupported = market->setUpCost / press.setUpHours();
    check.gap = marketGap(check);
    if (check.gap != Gap::None)
        return check;
    // A job's market cost over its press hours lies between the two, nearer the set-up's for
    // short runs and the run's for long ones.
    check.everyJob = std::min(check.runSupported, check.setUpSupported);
    check.marketCost = market->cost(job);
    check.pressHours = press.hours(job);
    check.supported = check.marketCost / check.pressHours;
    check.gap = readBudget(results, check);
    if (check.gap != Gap::None)
        return check;
    checkLevels(check);
    check.breakEven = check.budget.efficiencyFor(check.supported);
    return check;
}

double pressCost(const OwnPress& press, double rate, double quantity)
{
    return press.hours(quantity) * rate;
}

PriceLines priceLines(const MarketCheck& check)
{
    PriceLines lines;
    if (!check.hasMarketFigures() || check.market.quantities.isEmpty())
        return lines;
    lines.job = check.job;
    QList<double> quantities{check.job};
    for (int quantity : check.market.quantities)
        quantities.append(quantity);
    std::sort(quantities.begin(), quantities.end());
    quantities.erase(std::unique(quantities.begin(), quantities.end()), quantities.end());
    for (double quantity : quantities) {
        lines.retail.append({quantity, check.market.retail(quantity)});
        lines.cost.append({quantity, check.market.cost(quantity)});
        for (int i = 0; i < kLevels && check.hasRates(); ++i)
            lines.press[i].append({quantity, pressCost(check.press, check.levels[i].rateB, quantity)});
    }
    for (const LevelCheck& level : check.levels) {
        const Crossing& crossing = level.crossing;
        const bool meets =
            crossing.kind == Crossing::Kind::CheaperAbove || crossing.kind == Crossing::Kind::CheaperBelow;
        if (check.hasRates() && meets && crossing.quantity >= quantities.first() &&
            crossing.quantity <= quantities.last())
            lines.crossings.append({crossing.quantity, check.market.cost(crossing.quantity)});
    }
    return lines;
}

EfficiencyCurve efficiencyCurve(const MarketCheck& check)
{
    constexpr int kSteps = 200; // smooth at the width of a page
    EfficiencyCurve curve;
    if (!check.hasRates() || check.market.quantities.isEmpty())
        return curve;
    const auto needed = [&check](double quantity) {
        return 100 * check.budget.efficiencyFor(check.market.cost(quantity) / check.press.hours(quantity));
    };
    const auto [from, to] = quantityRange(check);
    for (int step = 0; step <= kSteps; ++step) {
        const double quantity = from + (to - from) * step / kSteps;
        curve.needed.append({quantity, needed(quantity)});
    }
    for (int i = 0; i < kLevels; ++i)
        curve.levels[i] = check.levels[i].efficiency;
    curve.job = {check.job, needed(check.job)};
    return curve;
}

} // namespace marketcheck

} // namespace pricing
