#include "engine/WorkSpace.h"

#include "textrules/ArithmeticFailure.h"
#include "textrules/NumberReading.h"

using namespace textrules;

namespace engine {

std::optional<double> workSpaceFromCostRatio(const QString& costText, const QString& totalCostText,
                                             const QString& totalFeetText)
{
    try {
        const double share = checked::div(numbers::read(costText), numbers::read(totalCostText));
        return checked::mul(share, numbers::read(totalFeetText));
    } catch (const ArithmeticFailure&) {
        return std::nullopt;
    }
}

} // namespace engine
