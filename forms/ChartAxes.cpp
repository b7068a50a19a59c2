#include "ChartAxes.h"

#include "DisplayPattern.h"

#include <QCategoryAxis>

#include <cmath>

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

} // namespace chartaxes
