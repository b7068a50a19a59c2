#pragma once

#include "PlantOverview.h"
#include "PrintJob.h"

#include <QList>
#include <QString>

#include <optional>

class QChart;

// The plant picture: for each center with saved results a bar of its annual cost stacked from
// fixed, wage, power and variable costs, and a marker at its rate (B) on the first level.
namespace plantchart {

struct Center {
    QString name;
    plantoverview::CostSplit split;
    std::optional<double> rateB1;
};

QList<Center> centersOf(const plantoverview::Overview& overview);

// A new chart; the caller owns it (or hands it to a view or a scene).
QChart* build(const QList<Center>& centers);

// The same picture drawn onto a printed page.
Drawing drawing(QList<Center> centers);

} // namespace plantchart
