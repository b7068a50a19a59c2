#include "ArithmeticFailure.h"

#include <cmath>

namespace {
const char* describe(FailureKind kind)
{
    return kind == FailureKind::Overflow ? "overflow" : "division by zero";
}

double finiteOrOverflow(double value)
{
    if (!std::isfinite(value))
        throw ArithmeticFailure(FailureKind::Overflow);
    return value;
}
} // namespace

ArithmeticFailure::ArithmeticFailure(FailureKind kind) : std::runtime_error(describe(kind)), m_kind(kind) {}

namespace checked {
double add(double a, double b) { return finiteOrOverflow(a + b); }
double sub(double a, double b) { return finiteOrOverflow(a - b); }
double mul(double a, double b) { return finiteOrOverflow(a * b); }

double div(double dividend, double divisor)
{
    if (divisor == 0.0)
        throw ArithmeticFailure(dividend == 0.0 ? FailureKind::Overflow : FailureKind::DivisionByZero);
    return finiteOrOverflow(dividend / divisor);
}
} // namespace checked
