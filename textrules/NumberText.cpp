#include "textrules/NumberText.h"

#include "textrules/NumberReading.h"

#include <charconv>
#include <cmath>
#include <cstring>
#include <limits>
#include <string>

namespace textrules {

namespace numbers {
namespace {

constexpr int kSignificantDigits = 15;

// The significant digits of |value| as characters, trailing zeros dropped, and the power of ten
// of the first, worked out without any text object: the number rules write thousands of these.
struct Digits {
    char text[kSignificantDigits + 2] = {};
    int count = 0;
    int exponent = 0;
};

// Reads "d.ddde+XX" as written by std::to_chars in scientific form.
Digits fromScientific(const char* begin, const char* end)
{
    Digits d;
    const char* c = begin;
    for (; c != end && *c != 'e'; ++c)
        if (*c != '.')
            d.text[d.count++] = *c;
    std::from_chars(c + (c != end && c[1] == '+' ? 2 : 1), end, d.exponent);
    while (d.count > 1 && d.text[d.count - 1] == '0')
        --d.count;
    return d;
}

// The shortest digits that read back as the value are its 15-digit rounding whenever they are
// no more than 15 (the value then lies within half a unit of the 15th digit of them); otherwise
// the value is rounded to 15 digits.
Digits digitsOf(double value)
{
    value = std::fabs(value);
    if (value == 0.0) {
        Digits zero;
        zero.text[0] = '0';
        zero.count = 1;
        return zero;
    }
    char buffer[64];
    // Below the smallest normal double the unit is coarser than that, and the argument fails.
    if (value >= std::numeric_limits<double>::min()) {
        const auto shortest = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::scientific);
        const Digits d = fromScientific(buffer, shortest.ptr);
        if (d.count <= kSignificantDigits)
            return d;
    }
    const auto written =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::scientific, kSignificantDigits - 1);
    return fromScientific(buffer, written.ptr);
}

// Whether the digits, read back as a number, lie beyond the largest double. Only values within
// the last digit of the largest double can round up that far.
bool readsBeyondLargest(const Digits& d)
{
    if (d.exponent < std::numeric_limits<double>::max_exponent10)
        return false;
    const std::string text =
        std::string(d.text, std::size_t(d.count)) + 'e' + std::to_string(d.exponent - (d.count - 1));
    double value = 0.0;
    return std::from_chars(text.data(), text.data() + text.size(), value).ec == std::errc::result_out_of_range;
}

// The digits of the value to 15 places, the last taken toward zero where taking it to the
// nearest would give a number that no longer reads back: 1.7976931348623157e308 gives
// 1.79769313486231E+308, not 1.79769313486232E+308.
Digits writtenDigits(double value)
{
    Digits d = digitsOf(value);
    if (!readsBeyondLargest(d))
        return d;
    // Rounding to the nearest went up, so the place below it is the value taken toward zero.
    while (d.count < kSignificantDigits)
        d.text[d.count++] = '0';
    int i = d.count - 1;
    while (d.text[i] == '0')
        d.text[i--] = '9';
    --d.text[i];
    while (d.count > 1 && d.text[d.count - 1] == '0')
        --d.count;
    return d;
}

// Appends n copies of the character.
char* fill(char* out, char c, int n)
{
    std::memset(out, c, std::size_t(n));
    return out + n;
}

char* exponentForm(char* out, const Digits& d)
{
    *out++ = d.text[0];
    if (d.count > 1) {
        *out++ = '.';
        out = std::copy(d.text + 1, d.text + d.count, out);
    }
    *out++ = 'E';
    *out++ = d.exponent < 0 ? '-' : '+';
    const int power = std::abs(d.exponent);
    if (power < 10)
        *out++ = '0';
    return std::to_chars(out, out + 4, power).ptr;
}

char* positionalForm(char* out, const Digits& d)
{
    if (d.exponent < 0) {
        *out++ = '.';
        out = fill(out, '0', -d.exponent - 1);
        return std::copy(d.text, d.text + d.count, out);
    }
    const int wholeDigits = d.exponent + 1;
    if (d.count <= wholeDigits)
        return fill(std::copy(d.text, d.text + d.count, out), '0', wholeDigits - d.count);
    out = std::copy(d.text, d.text + wholeDigits, out);
    *out++ = '.';
    return std::copy(d.text + wholeDigits, d.text + d.count, out);
}

// The box text of the value into the buffer; gives its end. A whole number of at most 15
// digits is its own text, written without looking for its digits; the data files are mostly such.
char* writeBoxText(char* out, double value)
{
    if (std::fabs(value) < 1e15 && value == std::trunc(value)) {
        if (value < 0)
            *out++ = '-';
        return std::to_chars(out, out + kSignificantDigits, static_cast<long long>(std::fabs(value))).ptr;
    }
    const Digits d = writtenDigits(value);
    if (d.count == 1 && d.text[0] == '0') {
        *out++ = '0';
        return out;
    }
    if (value < 0)
        *out++ = '-';
    const bool exponent = d.exponent >= 15 || d.exponent < -5;
    return exponent ? exponentForm(out, d) : positionalForm(out, d);
}

// Enough for a sign, 15 digits, a point and up to 19 zeros of the positional form, or an exponent.
constexpr int kLongestText = 48;

} // namespace

DecimalDigits significantDigits(double value)
{
    const Digits d = digitsOf(value);
    return {QString::fromLatin1(d.text, d.count), d.exponent};
}

QString boxText(double value)
{
    char buffer[kLongestText];
    return QString::fromLatin1(buffer, writeBoxText(buffer, value) - buffer);
}

namespace {

// Whether the value is the double nearest to a decimal of at most 15 significant digits with at
// most 8 places: then its 15-digit text is that decimal, which reads back as the value itself.
bool isShortDecimal(double value)
{
    constexpr double kPowersOfTen[] = {1e0, 1e1, 1e2, 1e3, 1e4, 1e5, 1e6, 1e7, 1e8};
    for (const double power : kPowersOfTen) {
        const double scaled = value * power;
        if (std::fabs(scaled) >= 1e15)
            return false;
        if (scaled == std::nearbyint(scaled))
            return scaled / power == value;
    }
    return false;
}

} // namespace

// The 15 significant digits that boxText() writes read straight back; only a value whose digits
// would read beyond the largest double or below the smallest takes the way through the text.
double asBoxTextReads(double value)
{
    if (value == 0.0)
        return 0.0; // the text "0" has no sign
    if (isShortDecimal(value))
        return value;
    char buffer[64];
    const auto written =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::scientific, kSignificantDigits - 1);
    double back = 0.0;
    const auto read = std::from_chars(buffer, written.ptr, back);
    if (written.ec != std::errc() || read.ec != std::errc())
        return numbers::read(boxText(value));
    return back;
}

static_assert(kLongestPrintForm >= kLongestText + 2, "a blank goes before and after the box text");

char* writePrintForm(char* out, double value)
{
    if (!(value < 0))
        *out++ = ' ';
    out = writeBoxText(out, value);
    *out++ = ' ';
    return out;
}

QString printForm(double value)
{
    char buffer[kLongestPrintForm];
    return QString::fromLatin1(buffer, writePrintForm(buffer, value) - buffer);
}

} // namespace numbers

} // namespace textrules
