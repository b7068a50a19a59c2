#include "pricing/JobCost.h"

#include "engine/ResultRecord.h"
#include "textrules/NumberReading.h"

#include <algorithm>
#include <cmath>

using namespace textrules;
using namespace store;
using namespace engine;

namespace pricing {

namespace jobcost {
namespace {

using plantoverview::CenterRow;
using plantoverview::CenterState;

void readRates(const ResultRecord& record, CenterCost& center)
{
    for (int level = 1; level <= kLevels; ++level) {
        center.efficiency[level - 1] = record.efficiency(level);
        center.rateB[level - 1] = record.rate(HourlyRate::B, level);
    }
}

QList<Gap> gapsOf(const CenterRow& row, const CenterCost& center)
{
    QList<Gap> gaps;
    if (!row.record)
        gaps << (row.state == CenterState::Unreadable ? Gap::UnreadableResults : Gap::NoResultFile);
    else if (std::none_of(center.rateB.begin(), center.rateB.end(), [](const auto& rate) { return rate.has_value(); }))
        gaps << Gap::NoRates;
    if (!center.speed.accepted())
        gaps << Gap::Speed;
    if (!center.setUpMinutes.accepted())
        gaps << Gap::SetUp;
    return gaps;
}

CenterCost centerOf(const CenterRow& row, const pressfigures::Typed& typed)
{
    CenterCost center;
    center.name = row.name;
    center.state = row.state;
    center.stateText = plantoverview::stateText(row);
    center.typed = typed;
    center.speed = readFigure(Box::Speed, typed.speed);
    center.setUpMinutes = readFigure(Box::SetUp, typed.setUpMinutes);
    if (row.record)
        readRates(*row.record, center);
    center.gaps = gapsOf(row, center);
    return center;
}

void costOn(CenterCost& center, const Job& job)
{
    const marketcheck::OwnPress press = center.press();
    center.hours = press.hours(job.quantity);
    for (int i = 0; i < kLevels; ++i) {
        if (!center.rateB[i])
            continue;
        center.cost[i] = marketcheck::pressCost(press, *center.rateB[i], job.quantity);
        if (job.markUp)
            center.price[i] = quotedPrice(*center.cost[i], *job.markUp);
    }
}

// Whole pieces around the job's own quantity, which stays as typed.
QList<double> priceListQuantities(double quantity)
{
    QList<double> quantities;
    for (const double factor : kPriceListFactors) {
        const double pieces = factor == 1 ? quantity : std::max(1.0, std::round(factor * quantity));
        if (!quantities.contains(pieces))
            quantities.append(pieces);
    }
    std::sort(quantities.begin(), quantities.end());
    return quantities;
}

} // namespace

Figure readFigure(Box box, QStringView text)
{
    if (text.trimmed().isEmpty())
        return {Figure::Reading::Missing, 0};
    if (!numbers::holdsNumber(text))
        return {Figure::Reading::NotANumber, 0};
    const std::optional<double> value = numbers::readIfFinite(text);
    if (!value)
        return {Figure::Reading::TooLarge, 0};
    const bool inRange = mayBeZero(box) ? *value >= 0 : *value > 0;
    return {inRange ? Figure::Reading::Accepted : Figure::Reading::OutOfRange, *value};
}

bool mayBeZero(Box box)
{
    return box == Box::MarkUp || box == Box::SetUp;
}

double quotedPrice(double cost, double markUp)
{
    return cost * (1 + markUp);
}

Costing costJob(const plantoverview::Overview& overview, const pressfigures::ByCenter& typed,
                const std::optional<Job>& job)
{
    Costing costing;
    QList<CenterCost> others;
    costing.centers.reserve(overview.centers.size());
    for (const CenterRow& row : overview.centers) {
        CenterCost center = centerOf(row, typed.value(row.name));
        if (!center.ready()) {
            others.append(std::move(center));
            continue;
        }
        if (job)
            costOn(center, *job);
        for (int i = 0; i < kLevels; ++i)
            if (center.cost[i] && (!costing.lowestCost[i] || *center.cost[i] < *costing.lowestCost[i]))
                costing.lowestCost[i] = center.cost[i];
        costing.centers.append(std::move(center));
    }
    costing.readyCount = costing.centers.size();
    costing.centers.append(others);
    return costing;
}

bool Costing::isCheapest(const CenterCost& center, int level) const
{
    const std::optional<double>& cost = center.cost[level - 1];
    return cost && *cost == lowestCost[level - 1];
}

std::optional<double> Costing::overCheapest(const CenterCost& center, int level) const
{
    const std::optional<double>& cost = center.cost[level - 1];
    if (!cost)
        return std::nullopt;
    return *cost - *lowestCost[level - 1];
}

QList<const CenterCost*> Costing::byCost(int level) const
{
    QList<const CenterCost*> sorted;
    for (const CenterCost& center : centers)
        if (center.cost[level - 1])
            sorted.append(&center);
    std::stable_sort(sorted.begin(), sorted.end(), [level](const CenterCost* a, const CenterCost* b) {
        return *a->cost[level - 1] < *b->cost[level - 1];
    });
    return sorted;
}

const CenterCost* Costing::find(const QString& name) const
{
    for (const CenterCost& center : centers)
        if (center.name == name)
            return &center;
    return nullptr;
}

QList<PriceListRow> priceList(const CenterCost& center, int level, const Job& job)
{
    QList<PriceListRow> rows;
    const std::optional<double>& rate = center.rateB[level - 1];
    if (!center.ready() || !rate)
        return rows;
    const marketcheck::OwnPress press = center.press();
    for (const double quantity : priceListQuantities(job.quantity)) {
        PriceListRow row{quantity, press.hours(quantity), marketcheck::pressCost(press, *rate, quantity), {}};
        if (job.markUp)
            row.price = quotedPrice(row.cost, *job.markUp);
        rows.append(row);
    }
    return rows;
}

} // namespace jobcost

} // namespace pricing
