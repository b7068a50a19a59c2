#include "engine/RateDrivers.h"

#include "engine/TextsCalculation.h"

#include <algorithm>
#include <cmath>

using namespace store;

namespace engine {

namespace ratedrivers {
namespace {

using textscalculation::calculated;

std::optional<double> rateOf(const InputTexts& texts, int level)
{
    const std::optional<ResultRecord> record = calculated(texts);
    return record ? record->rate(HourlyRate::B, level) : std::nullopt;
}

// The rate with the box's text moved by the factor; nothing where it cannot be moved or the
// formulas then give no rate.
std::optional<double> rateMoved(InputTexts texts, InputBox box, double factor, int level)
{
    const std::optional<QString> moved = textscalculation::movedBy(texts[box], factor);
    if (!moved)
        return std::nullopt;
    texts[box] = *moved;
    return rateOf(texts, level);
}

// A change no larger than the last digits of the rate's arithmetic is no move: levels 2 to 4
// take their hours from level 1 by a ratio, which can leave such a trace.
bool moves(const std::optional<double>& moved, double rate)
{
    return !moved || std::abs(*moved - rate) > 1e-9 * std::max(1.0, std::abs(rate));
}

} // namespace

double effect(const Driver& driver, double rate)
{
    const auto distance = [rate](const std::optional<double>& moved) { return moved ? std::abs(*moved - rate) : 0.0; };
    return std::max(distance(driver.down), distance(driver.up));
}

Drivers drivers(const InputTexts& texts, int level)
{
    Drivers found;
    found.level = level;
    found.rate = rateOf(texts, level);
    for (const inputboxes::Entry& entry : inputboxes::all()) {
        const bool movable = found.rate && textscalculation::movedBy(texts[entry.box], kDown).has_value();
        const Driver driver{entry.box, movable ? rateMoved(texts, entry.box, kDown, level) : std::nullopt,
                            movable ? rateMoved(texts, entry.box, kUp, level) : std::nullopt};
        if (movable && (moves(driver.down, *found.rate) || moves(driver.up, *found.rate)))
            found.moving.append(driver);
        else
            found.still.append(entry.box);
    }
    if (found.rate)
        std::stable_sort(
            found.moving.begin(), found.moving.end(),
            [rate = *found.rate](const Driver& a, const Driver& b) { return effect(a, rate) > effect(b, rate); });
    return found;
}

} // namespace ratedrivers

} // namespace engine
