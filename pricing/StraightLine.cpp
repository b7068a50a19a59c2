#include "pricing/StraightLine.h"

#include "textrules/ArithmeticFailure.h"
#include "textrules/NumberReading.h"

#include <limits>

using namespace textrules;

namespace pricing {

namespace straightline {
namespace {
double quantityDifference(int quantity1, int quantity2)
{
    const long long difference = static_cast<long long>(quantity1) - quantity2;
    if (difference < std::numeric_limits<int>::min() || difference > std::numeric_limits<int>::max())
        throw ArithmeticFailure(FailureKind::Overflow);
    return static_cast<double>(difference);
}
} // namespace

float markUpFraction(QStringView percentText)
{
    return numbers::toSingle(checked::div(numbers::read(percentText), 100));
}

float slope(double price1, double price2, int quantity1, int quantity2)
{
    return numbers::toSingle(checked::div(checked::sub(price1, price2), quantityDifference(quantity1, quantity2)));
}

float setUpPrice(double price1, float slope, int quantity1)
{
    return numbers::toSingle(checked::sub(price1, checked::mul(slope, quantity1)));
}

} // namespace straightline

} // namespace pricing
