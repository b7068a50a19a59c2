#include "engine/StaleCenters.h"

#include "engine/CenterRecompute.h"

using namespace store;

namespace engine {

namespace stalecenters {

QList<Explained> explain(const DataFolder& folder, const plantoverview::Overview& overview)
{
    QList<Explained> explained;
    const centerrecompute::PlantTexts plant = centerrecompute::readPlant(folder);
    if (!plant.ok())
        return explained;
    for (const plantoverview::CenterRow& row : overview.centers) {
        if (row.state != plantoverview::CenterState::Stale || !row.record)
            continue;
        Explained center{row.name, *row.record, std::nullopt, {}};
        const centerrecompute::CenterTexts read = centerrecompute::readCenter(folder, plant, row.name);
        if (read.ok())
            center.explanation = ratechange::explainSaved(read.texts, *row.record);
        else
            center.problem = read.problem;
        explained.append(center);
    }
    return explained;
}

} // namespace stalecenters

} // namespace engine
