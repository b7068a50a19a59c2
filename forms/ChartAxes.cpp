#include "forms/ChartAxes.h"

#include "forms/LowerLayers.h"
#include "textrules/DisplayPattern.h"

#include <QCategoryAxis>
#include <QFontMetrics>
#include <QSet>

#include <cmath>

using namespace forms::lowerlayers;

namespace forms {

namespace {

// A step of 1, 2 or 5 times a power of ten giving about `ticks` labels over the range.
double tickStep(double range, int ticks)
{
    const double rough = range / ticks;
    const double power = std::pow(10.0, std::floor(std::log10(rough)));
    for (double factor : {1.0, 2.0, 5.0})
        if (factor * power >= rough)
            return factor * power;
    return 10 * power;
}

} // namespace

namespace chartaxes {

QCategoryAxis* labelled(double from, double to, int ticks, const QString& pattern, const QString& title)
{
    auto* axis = new QCategoryAxis;
    axis->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
    axis->setRange(from, to);
    axis->setStartValue(from);
    axis->setTitleText(title);
    const double step = tickStep(to - from, ticks);
    for (double value = std::ceil(from / step) * step; value <= to + step * 1e-9; value += step)
        axis->append(numbers::format(value, pattern), value);
    return axis;
}

QStringList barNames(const QStringList& names, const QFont& font, int width)
{
    const QFontMetrics metrics(font);
    QStringList shown;
    QSet<QString> taken;
    for (const QString& full : names) {
        const QString shortName = metrics.elidedText(full, Qt::ElideRight, width);
        QString name = shortName.isEmpty() ? QStringLiteral(" ") : shortName;
        for (int copy = 2; taken.contains(name); ++copy)
            name = QStringLiteral("%1 (%2)").arg(shortName).arg(copy);
        taken.insert(name);
        shown.append(name);
    }
    return shown;
}

} // namespace chartaxes

} // namespace forms
