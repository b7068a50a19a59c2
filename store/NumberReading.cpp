#include "NumberReading.h"

#include "ArithmeticFailure.h"

#include <QString>

#include <cfloat>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>
#include <string>

namespace numbers {
namespace {

bool isIgnored(QChar c)
{
    return c == u' ' || c == u'\t' || c == u'\n';
}
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
        while (!atEnd() && isIgnored(m_text[m_pos]))
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

// The usual text, a few digits with perhaps a point and a sign, read in one pass without the
// general parser. Taken only where the value is then exact and so the same as the general
// reading's: digits that make a whole number of at most 2^53 and at most 22 places after the
// point (10^22 is the largest power of ten a double holds exactly), so one division rounds it
// once. Anything else, an exponent among it, is left to the general reading.
std::optional<double> readPlainDecimal(QStringView text)
{
    constexpr int kMostDigits = 19; // no 19-digit number overflows 64 bits
    constexpr int kExactPlaces = 22;
    constexpr std::uint64_t kExactWhole = std::uint64_t(1) << 53;
    static constexpr double kPowersOfTen[kExactPlaces + 1] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                                              1e8,  1e9,  1e10, 1e11, 1e12, 1e13, 1e14, 1e15,
                                                              1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};
    const char16_t* c = text.utf16();
    const char16_t* const end = c + text.size();
    const auto ignored = [](char16_t ch) { return ch == u' ' || ch == u'\t' || ch == u'\n'; };
    while (c != end && ignored(*c))
        ++c;
    const bool negative = c != end && *c == u'-';
    if (c != end && (*c == u'-' || *c == u'+'))
        ++c;
    std::uint64_t mantissa = 0;
    int digits = 0;
    int digitsBeforePoint = -1; // until the point is met
    for (; c != end; ++c) {
        if (const unsigned digit = unsigned(*c) - u'0'; digit < 10) {
            mantissa = mantissa * 10 + digit; // wraps beyond 19 digits, which are then refused below
            ++digits;
        } else if (*c == u'.' && digitsBeforePoint < 0) {
            digitsBeforePoint = digits;
        } else if (!ignored(*c)) {
            break;
        }
    }
    const int places = digitsBeforePoint < 0 ? 0 : digits - digitsBeforePoint;
    if (digits > kMostDigits || mantissa > kExactWhole || places > kExactPlaces ||
        (c != end && (*c == u'e' || *c == u'E')))
        return std::nullopt;
    if (digits == 0)
        return 0.0;
    const double value = static_cast<double>(mantissa) / kPowersOfTen[places];
    return negative ? -value : value;
}

// Kept out of read() so that the usual text pays nothing for the general parser's set-up.
[[gnu::noinline]] double readGeneral(QStringView text)
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

} // namespace

double read(QStringView text)
{
    if (const std::optional<double> plain = readPlainDecimal(text))
        return *plain;
    return readGeneral(text);
}

std::optional<double> readIfFinite(QStringView text)
{
    try {
        return read(text);
    } catch (const ArithmeticFailure&) {
        return std::nullopt;
    }
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
