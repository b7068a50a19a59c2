#pragma once

#include <QString>

namespace textrules {

// How the program writes a computed number as plain text.
namespace numbers {

// The value to at most 15 significant digits, trailing zeros dropped, "-" before negatives,
// no grouping and no 0 before the point below 1: 200, 166.666666666667, .25, -.5.
// Very large or small magnitudes use the exponent form (1E+15, 1E-05), which reads back the same.
// The last digit is taken to the nearest, except within a digit of the largest double, where it
// is taken toward zero so that the text never reads back as an overflow.
QString boxText(double value);

// The value that boxText(value) reads back as, worked out without making the text.
double asBoxTextReads(double value);

// The number form of the data files and the printer: a blank (or "-") before, one blank after,
// so 1234.5 gives " 1234.5 " and -.25 gives "-.25 ".
QString printForm(double value);
// The same characters written at `out`, one byte each, giving their end; room for
// kLongestPrintForm bytes is needed. A data file of hundreds of numbers is so written with no
// text object per number.
inline constexpr int kLongestPrintForm = 50;
char* writePrintForm(char* out, double value);

// The decimal digits of |value| rounded to 15 significant digits, and the power of ten of the
// first one: 1234.5 gives ("12345", 3). Zero gives ("0", 0). Shared by the text rules.
struct DecimalDigits {
    QString digits;
    int exponent = 0;
};
DecimalDigits significantDigits(double value);

} // namespace numbers

} // namespace textrules
