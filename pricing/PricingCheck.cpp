#include "pricing/PricingCheck.h"

#include "pricing/StraightLine.h"
#include "textrules/ArithmeticFailure.h"
#include "textrules/NumberReading.h"

using namespace textrules;
using namespace store;

namespace pricing {

namespace {

float slopeOrLevel(double price1, double price2, int quantity1, int quantity2)
{
    try {
        return straightline::slope(price1, price2, quantity1, quantity2);
    } catch (const ArithmeticFailure& failure) {
        if (failure.kind() == FailureKind::Overflow)
            throw;
        return 0.0f; // no slope: the set-up price becomes price 1
    }
}

bool abovePrice(double price, float setUpPrice)
{
    return checked::sub(price, setUpPrice) > 0;
}

PricingCheck check(const PricingFields& f)
{
    const int quantity1 = numbers::readWhole(f.quantity1);
    const int quantity2 = numbers::readWhole(f.quantity2);
    if (quantity2 < 1 || quantity1 < 1)
        return PricingCheck::QuantityNotAboveZero;
    straightline::markUpFraction(f.markUp); // read for its range only
    const double price1 = numbers::read(f.price1);
    const double price2 = numbers::read(f.price2);
    const float setUp = straightline::setUpPrice(price1, slopeOrLevel(price1, price2, quantity1, quantity2), quantity1);
    if (!(numbers::read(f.hourlyCost) > 0))
        return PricingCheck::HourlyCostNotAboveZero;
    if (!abovePrice(price2, setUp) || !abovePrice(price1, setUp))
        return PricingCheck::PriceNotAboveSetUp;
    return PricingCheck::Accepted;
}

} // namespace

PricingCheck checkPricing(const PricingFields& fields)
{
    try {
        return check(fields);
    } catch (const ArithmeticFailure&) {
        return PricingCheck::Overflow; // a division by zero was settled at the slope
    }
}

} // namespace pricing
