#pragma once

#include "textrules/PlainDecimal.h"

#include <QStringView>

#include <optional>

namespace textrules {

// How the program turns the text of a box or a file line into a number.
namespace numbers {

// Blanks, tabs and line feeds anywhere are ignored; a sign, digits, one decimal point and an
// exponent are read from the start, up to the first character that cannot continue the number
// ("1,500" reads 1, "$12.50" reads 0). Throws ArithmeticFailure(Overflow) beyond a double;
// a value too small for a double reads as 0. Both are judged by the value the text stands for,
// whatever the length of its exponent or its leading zeros.
inline double read(QStringView text);

// read() for the windows: nothing where the text holds a number too large for a double.
std::optional<double> readIfFinite(QStringView text);

// Whether the text begins with a number at all (a digit, after an optional sign, blanks and a
// point), rather than reading as 0 for want of one: "abc" and "$12" hold none.
bool holdsNumber(QStringView text);

// read(), then rounded to the nearest whole number, a half going to the even neighbour.
// Throws ArithmeticFailure(Overflow) outside the 32-bit signed range.
int readWhole(QStringView text);

// The largest whole number not above the value (Int(-2.7) = -3).
double intOf(double value);

// The value held in single precision; throws ArithmeticFailure(Overflow) beyond a float.
float toSingle(double value);

namespace detail {
// read() for any text but the usual one; call read() instead.
double readGeneral(QStringView text);
} // namespace detail

inline double read(QStringView text)
{
    const plain::PlainDecimal plain = plain::scanPlainDecimal(text);
    return plain.isExact() ? plain.value() : detail::readGeneral(text);
}

} // namespace numbers

} // namespace textrules
