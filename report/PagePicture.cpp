#include "report/PagePicture.h"

#include "engine/ResultRecord.h"

using namespace engine;
using namespace pricing;

namespace report {

namespace pagepicture {

MarketPrices marketPrices(const marketcheck::MarketCheck& check)
{
    MarketPrices shown{marketcheck::priceLines(check), {}, {{check.job, check.marketCost}}};
    for (const marketcheck::LevelCheck& level : check.levels)
        if (check.hasRates()) {
            shown.efficiencies.append(level.efficiency);
            shown.atJob.append({check.job, level.jobCost});
        }
    return shown;
}

BreakEven breakEven(const marketcheck::MarketCheck& check)
{
    return {marketcheck::efficiencyCurve(check)};
}

PlantCosts plantCosts(const plantoverview::Overview& overview)
{
    PlantCosts shown;
    for (const plantoverview::CenterRow& row : overview.centers)
        if (row.record)
            shown.centers.append({row.name, plantoverview::costSplit(*row.record), row.record->rate(HourlyRate::B, 1)});
    return shown;
}

} // namespace pagepicture

} // namespace report
