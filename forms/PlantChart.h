#pragma once

#include "PlantOverview.h"
#include "PrintJob.h"

#include <QList>
#include <QString>

#include <optional>

class QChart;
class QFont;

// The plant picture: for each center with saved results a bar of its total annual cost stacked
// from its parts, and a marker at its rate (B) on the first level. Beyond 40 centers only those
// of largest annual cost are drawn (fewer in a narrow window), and a line says how many are left
// out, so that every bar and name can still be read.
namespace plantchart {

inline constexpr int kMostShown = 40;

struct Center {
    QString name;
    plantoverview::CostSplit split;
    std::optional<double> rateB1;
};

QList<Center> centersOf(const plantoverview::Overview& overview);

// A new chart of at most `mostShown` centers; the caller owns it (or hands it to a view or a scene).
QChart* build(const QList<Center>& centers, int mostShown = kMostShown);

// How many bars a picture of that width can draw with room for each name's line of text.
int barsThatFit(int width, const QFont& font);

// The same picture drawn onto a printed page.
Drawing drawing(QList<Center> centers);

} // namespace plantchart
