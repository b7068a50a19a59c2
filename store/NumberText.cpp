#include "NumberText.h"

#include "NumberReading.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <string>

namespace numbers {
namespace {
constexpr int kSignificantDigits = 15;
} // namespace

DecimalDigits significantDigits(double value)
{
    value = std::fabs(value);
    if (value == 0.0)
        return {QStringLiteral("0"), 0};
    char buffer[64];
    const auto result =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::scientific, kSignificantDigits - 1);
    const QString text = QString::fromLatin1(buffer, result.ptr - buffer); // d.ddddddddddddddde+XX
    const qsizetype e = text.indexOf(u'e');
    QString digits = text.left(e).remove(u'.');
    while (digits.size() > 1 && digits.endsWith(u'0'))
        digits.chop(1);
    return {digits, text.mid(e + 1).toInt()};
}

namespace {

// Whether the digits, read back as a number, lie beyond the largest double. Only values within
// the last digit of the largest double can round up that far.
bool readsBeyondLargest(const DecimalDigits& d)
{
    if (d.exponent < std::numeric_limits<double>::max_exponent10)
        return false;
    const std::string text = d.digits.toStdString() + 'e' + std::to_string(d.exponent - (d.digits.size() - 1));
    double value = 0.0;
    return std::from_chars(text.data(), text.data() + text.size(), value).ec == std::errc::result_out_of_range;
}

// The digits of the value to 15 places, the last taken toward zero where taking it to the
// nearest would give a number that no longer reads back: 1.7976931348623157e308 gives
// 1.79769313486231E+308, not 1.79769313486232E+308.
DecimalDigits writtenDigits(double value)
{
    DecimalDigits d = significantDigits(value);
    if (!readsBeyondLargest(d))
        return d;
    // Rounding to the nearest went up, so the place below it is the value taken toward zero.
    QString digits = d.digits.leftJustified(kSignificantDigits, u'0');
    qsizetype i = digits.size() - 1;
    while (digits[i] == u'0')
        digits[i--] = u'9';
    digits[i] = QChar(digits[i].unicode() - 1);
    while (digits.size() > 1 && digits.endsWith(u'0'))
        digits.chop(1);
    d.digits = digits;
    return d;
}

QString exponentForm(const DecimalDigits& d)
{
    QString mantissa = d.digits.left(1);
    if (d.digits.size() > 1)
        mantissa += u'.' + d.digits.mid(1);
    const QString power = QString::number(std::abs(d.exponent)).rightJustified(2, u'0');
    return mantissa + (d.exponent < 0 ? QStringLiteral("E-") : QStringLiteral("E+")) + power;
}

QString positionalForm(const DecimalDigits& d)
{
    if (d.exponent < 0)
        return u'.' + QString(-d.exponent - 1, u'0') + d.digits;
    const qsizetype wholeDigits = d.exponent + 1;
    if (d.digits.size() <= wholeDigits)
        return d.digits + QString(wholeDigits - d.digits.size(), u'0');
    return d.digits.left(wholeDigits) + u'.' + d.digits.mid(wholeDigits);
}

} // namespace

QString boxText(double value)
{
    const DecimalDigits d = writtenDigits(value);
    if (d.digits == u"0")
        return QStringLiteral("0");
    const bool exponent = d.exponent >= 15 || d.exponent < -5;
    const QString magnitude = exponent ? exponentForm(d) : positionalForm(d);
    return value < 0 ? u'-' + magnitude : magnitude;
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

QString printForm(double value)
{
    const QString text = boxText(value);
    return text.startsWith(u'-') ? text + u' ' : u' ' + text + u' ';
}

} // namespace numbers
