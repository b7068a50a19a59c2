#include "engine/TextsCalculation.h"

#include "engine/CostFormulas.h"
#include "textrules/NumberReading.h"
#include "textrules/NumberText.h"

#include <cmath>

using namespace textrules;
using namespace store;

namespace engine {

namespace textscalculation {

std::optional<ResultRecord> calculated(const InputTexts& texts)
{
    ResultRecord record;
    if (calculateCosts(texts, record) == CostOutcome::Overflow)
        return std::nullopt;
    return record;
}

std::optional<QString> movedBy(const QString& text, double factor)
{
    const std::optional<double> value = numbers::readIfFinite(text);
    if (!value || *value == 0 || !std::isfinite(*value * factor))
        return std::nullopt;
    return numbers::boxText(*value * factor);
}

} // namespace textscalculation

} // namespace engine
