#pragma once

#include <QStringView>

namespace pricing {

// The retail price of a job as a straight line in its quantity: a set-up price plus a price per
// piece (the slope), both held in single precision, fitted through two known quantity/price
// pairs. Each function throws ArithmeticFailure: Overflow beyond the number ranges, and
// DivisionByZero for a slope between two different prices at one quantity.
namespace straightline {

// The typed percentage as a fraction: 25 gives 0.25.
float markUpFraction(QStringView percentText);

// (price 1 - price 2) / (quantity 1 - quantity 2); the quantity difference must fit 32 bits.
float slope(double price1, double price2, int quantity1, int quantity2);

// The price of a job of quantity 0: price 1 - slope x quantity 1.
float setUpPrice(double price1, float slope, int quantity1);

} // namespace straightline

} // namespace pricing
