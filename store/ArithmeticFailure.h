#pragma once

#include <stdexcept>

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
double add(double a, double b);
double sub(double a, double b);
double mul(double a, double b);
double div(double dividend, double divisor);
} // namespace checked
