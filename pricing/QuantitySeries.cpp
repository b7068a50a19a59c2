#include "pricing/QuantitySeries.h"

#include <algorithm>
#include <limits>

namespace pricing {

namespace {
void addSteps(QList<int>& quantities, qint64 first, qint64 last, qint64 step)
{
    for (qint64 n = first; n <= last; n += step)
        quantities.append(static_cast<int>(n));
}
} // namespace

QList<int> tableQuantities(std::optional<double> quantity2Line)
{
    if (!quantity2Line)
        return {};
    QList<int> quantities;
    addSteps(quantities, 100, 500, 100);
    if (*quantity2Line <= 10000) {
        addSteps(quantities, 1000, 10000, 1000);
        return quantities;
    }
    addSteps(quantities, 1000, 9000, 2000);
    const double last = std::min(*quantity2Line, double(std::numeric_limits<int>::max()));
    addSteps(quantities, 10000, static_cast<qint64>(last), 10000);
    return quantities;
}

} // namespace pricing
