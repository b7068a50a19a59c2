#pragma once

#include <QString>

namespace store {

// The reverse-engineering inputs exactly as typed, in the order of the pricing file's lines.
struct PricingFields {
    QString quantity1;
    QString quantity2;
    QString markUp; // in percent
    QString price1;
    QString price2;
    QString hourlyCost;
};

} // namespace store
