#pragma once

#include "textrules/ArithmeticFailure.h"

namespace engine {

// A double whose arithmetic throws ArithmeticFailure instead of giving an infinity or NaN, so
// that each cost formula is written the way it reads, one checked operation at a time.
class CheckedNumber {
public:
    // Implicit, so that constants such as 52 and 100 take part in formulas as they are.
    CheckedNumber(double value) : m_value(value) {}
    double value() const { return m_value; }

private:
    double m_value;
};

inline CheckedNumber operator+(CheckedNumber a, CheckedNumber b)
{
    return textrules::checked::add(a.value(), b.value());
}
inline CheckedNumber operator-(CheckedNumber a, CheckedNumber b)
{
    return textrules::checked::sub(a.value(), b.value());
}
inline CheckedNumber operator*(CheckedNumber a, CheckedNumber b)
{
    return textrules::checked::mul(a.value(), b.value());
}
inline CheckedNumber operator/(CheckedNumber a, CheckedNumber b)
{
    return textrules::checked::div(a.value(), b.value());
}
inline bool operator>(CheckedNumber a, CheckedNumber b)
{
    return a.value() > b.value();
}

} // namespace engine
