#pragma once

#include "engine/PlantOverview.h"
#include "engine/RateChange.h"
#include "store/DataFolder.h"

#include <QList>
#include <QString>

#include <optional>

namespace engine {

// Why the rates of the stale centers have moved since they were saved: each one's files read as
// selecting it would read them, and its change in rate (B) split over the plant-wide inputs that
// changed.
namespace stalecenters {

struct Explained {
    QString name;
    ResultRecord saved;
    std::optional<ratechange::Explanation> explanation; // nothing where its files could not be read
    QString problem;                                    // then: which file, and why
};

// Every stale center of the overview, in its order; none when the plant file cannot be read.
QList<Explained> explain(const store::DataFolder& folder, const plantoverview::Overview& overview);

} // namespace stalecenters

} // namespace engine
