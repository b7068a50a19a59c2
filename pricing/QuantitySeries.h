#pragma once

#include <QList>

#include <optional>

namespace pricing {

// The quantities of the cost and retail table: 100 to 500 in steps of 100; then, when the
// quantity 2 line (before rounding) is above 10000, 1000 to 9000 in steps of 2000 and 10000 on
// in steps of 10000 while not above it, otherwise 1000 to 10000 in steps of 1000. The table
// ends where quantities leave the 32-bit range. Without a quantity 2 line there is no table.
QList<int> tableQuantities(std::optional<double> quantity2Line);

} // namespace pricing
