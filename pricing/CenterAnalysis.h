#pragma once

#include "store/PricingFields.h"

#include <QList>

#include <optional>

namespace pricing {

// One row of the cost and retail table. Up to 10000 pieces both amounts are single-precision
// results; beyond, double precision keeps the cents of large amounts.
struct TableRow {
    int quantity = 0;
    std::optional<double> cost;
    std::optional<double> retail;
};

// What two known retail prices imply about a production center. A value that could not be
// worked out is empty, and so is every value worked out from it.
struct CenterAnalysis {
    std::optional<int> quantity1;
    std::optional<int> quantity2;
    std::optional<float> markUp; // fraction: 0.25 for 25 %
    std::optional<float> slope;  // retail price per piece
    std::optional<float> setUpPrice;
    std::optional<double> speed1; // whole impressions per hour at quantity 1
    std::optional<double> speed2;
    std::optional<double> retailPerThousand;
    std::optional<double> retailSetUpPrice;
    std::optional<double> costPerThousand;
    std::optional<double> setUpCost;
    std::optional<double> hourlyCost;   // the hourly cost line, as shown
    std::optional<float> shownMarkUp;   // retail over cost, less 1
    std::optional<float> markUpPercent; // shown mark-up x 100, only when it is above 0
    std::optional<double> setUpMinutes; // whole minutes
    QList<TableRow> rows;
    // How many steps failed (a division by zero, an overflow); a step that only lacks a value
    // that an earlier step failed to work out is not counted again.
    int failures = 0;
};

// Works out everything from the six lines of the pricing file. Money amounts are cut down to
// whole multiples of 1/quantity 2 of a dollar, speeds and minutes to whole numbers.
CenterAnalysis analyseCenter(const store::PricingFields& fields);

} // namespace pricing
