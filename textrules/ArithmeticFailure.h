#pragma once

#include <cmath>
#include <stdexcept>

namespace textrules {

// The two ways a calculation can fail. A division by zero spoils one statement and the
// calculation goes on; an overflow (also 0 divided by 0) stops the whole calculation.
enum class FailureKind { DivisionByZero, Overflow };

class ArithmeticFailure : public std::runtime_error {
public:
    explicit ArithmeticFailure(FailureKind kind);
    FailureKind kind() const { return m_kind; }

private:
    FailureKind m_kind;
};

// Double arithmetic that reports its failures instead of producing infinities or NaN.
namespace checked {

inline double finiteOrOverflow(double value)
{
    if (!std::isfinite(value))
        throw ArithmeticFailure(FailureKind::Overflow);
    return value;
}

inline double add(double a, double b)
{
    return finiteOrOverflow(a + b);
}
inline double sub(double a, double b)
{
    return finiteOrOverflow(a - b);
}
inline double mul(double a, double b)
{
    return finiteOrOverflow(a * b);
}

inline double div(double dividend, double divisor)
{
    if (divisor == 0.0)
        throw ArithmeticFailure(dividend == 0.0 ? FailureKind::Overflow : FailureKind::DivisionByZero);
    return finiteOrOverflow(dividend / divisor);
}

} // namespace checked

} // namespace textrules
