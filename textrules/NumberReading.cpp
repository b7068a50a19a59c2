#include "textrules/NumberReading.h"

#include "textrules/ArithmeticFailure.h"

#include <QString>

#include <cfloat>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>
#include <string>

namespace textrules {

namespace numbers {
namespace {

bool isDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

// The leading number of the text with the ignored characters taken out, as ASCII.
struct NumberScan {
    bool negative = false;
    std::string mantissa; // digits and at most one point
    std::string exponent; // optional sign and digits
};

// Walks the text once, skipping the ignored characters, without copying it first.
class Cursor {
public:
    explicit Cursor(QStringView text) : m_text(text) { skipIgnored(); }
    bool atEnd() const { return m_pos >= m_text.size(); }
    QChar peek() const { return atEnd() ? QChar() : m_text[m_pos]; }
    char take()
    {
        const char c = char(m_text[m_pos++].unicode());
        skipIgnored();
        return c;
    }

private:
    void skipIgnored()
    {
        while (!atEnd() && plain::isIgnored(m_text[m_pos].unicode()))
            ++m_pos;
    }
    QStringView m_text;
    qsizetype m_pos = 0;
};

NumberScan scanLeadingNumber(QStringView text)
{
    NumberScan scan;
    Cursor cursor(text);
    if (cursor.peek() == u'-' || cursor.peek() == u'+')
        scan.negative = cursor.take() == '-';
    bool seenPoint = false;
    while (isDigit(cursor.peek()) || (cursor.peek() == u'.' && !seenPoint)) {
        seenPoint = seenPoint || cursor.peek() == u'.';
        scan.mantissa.push_back(cursor.take());
    }
    if (cursor.peek() != u'e' && cursor.peek() != u'E')
        return scan;
    cursor.take();
    std::string exponent;
    if (cursor.peek() == u'-' || cursor.peek() == u'+')
        exponent.push_back(cursor.take());
    while (isDigit(cursor.peek()))
        exponent.push_back(cursor.take());
    if (!exponent.empty() && isDigit(QChar(exponent.back())))
        scan.exponent = exponent;
    return scan;
}

// The value of the exponent's digits, leading zeros aside. Beyond 18 digits it is held at
// 10^18: no text is long enough for its mantissa to bring such a power back into range.
long long exponentValue(const std::string& exponent)
{
    constexpr std::size_t kLongestExact = 18;
    constexpr long long kFarBeyond = 1'000'000'000'000'000'000;
    const bool negative = !exponent.empty() && exponent.front() == '-';
    const auto first = exponent.find_first_not_of("+-0");
    const std::size_t start = first == std::string::npos ? exponent.size() : first;
    long long value = kFarBeyond;
    if (exponent.size() - start <= kLongestExact) {
        value = 0;
        for (std::size_t i = start; i < exponent.size(); ++i)
            value = value * 10 + (exponent[i] - '0');
    }
    return negative ? -value : value;
}

// Decides between overflow and underflow when the parser reports a value out of range:
// the power of ten of the first significant digit tells which.
bool isTooLarge(const NumberScan& scan)
{
    const auto point = scan.mantissa.find('.');
    const std::string whole = scan.mantissa.substr(0, point);
    const auto firstSignificant = whole.find_first_not_of('0');
    long long magnitude = 0;
    if (firstSignificant != std::string::npos)
        magnitude = static_cast<long long>(whole.size() - firstSignificant) - 1;
    else if (point != std::string::npos) {
        const std::string fraction = scan.mantissa.substr(point + 1);
        magnitude = -static_cast<long long>(fraction.find_first_not_of('0')) - 1;
    }
    return magnitude + exponentValue(scan.exponent) > 0;
}

} // namespace

namespace detail {

double readGeneral(QStringView text)
{
    const NumberScan scan = scanLeadingNumber(text);
    if (scan.mantissa.find_first_of("0123456789") == std::string::npos)
        return 0.0;
    std::string number = scan.mantissa;
    if (!scan.exponent.empty())
        number += "e" + scan.exponent;
    double value = 0.0;
    const auto [end, error] = std::from_chars(number.data(), number.data() + number.size(), value);
    (void)end;
    if (error == std::errc::result_out_of_range) {
        if (isTooLarge(scan))
            throw ArithmeticFailure(FailureKind::Overflow);
        value = 0.0;
    }
    return scan.negative ? -value : value;
}

} // namespace detail

std::optional<double> readIfFinite(QStringView text)
{
    try {
        return read(text);
    } catch (const ArithmeticFailure&) {
        return std::nullopt;
    }
}

bool holdsNumber(QStringView text)
{
    return scanLeadingNumber(text).mantissa.find_first_of("0123456789") != std::string::npos;
}

int readWhole(QStringView text)
{
    const double rounded = std::nearbyint(read(text)); // the default rounding sends halves to even
    if (rounded < double(std::numeric_limits<int>::min()) || rounded > double(std::numeric_limits<int>::max()))
        throw ArithmeticFailure(FailureKind::Overflow);
    return static_cast<int>(rounded);
}

double intOf(double value)
{
    return std::floor(value);
}

float toSingle(double value)
{
    if (std::fabs(value) > double(FLT_MAX))
        throw ArithmeticFailure(FailureKind::Overflow);
    return static_cast<float>(value);
}

} // namespace numbers

} // namespace textrules
