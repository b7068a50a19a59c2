#pragma once

#include "store/PricingFields.h"

namespace pricing {

// Whether typed pricing inputs can be analysed, checked in this order: both quantities at least
// 1 (after rounding), an hourly cost above 0, then both prices above the set-up price (the price
// the line gives for quantity 0). A number out of range, or a line through two equal quantities
// at equal prices, is an overflow. A line through two different prices at one quantity has no
// slope; its set-up price is then price 1 itself, which the price check refuses.
enum class PricingCheck { Accepted, QuantityNotAboveZero, HourlyCostNotAboveZero, PriceNotAboveSetUp, Overflow };

[[nodiscard]] PricingCheck checkPricing(const store::PricingFields& fields);

} // namespace pricing
