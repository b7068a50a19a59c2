#include "fuzz/ReferenceNumber.h"

#include <cerrno>
#include <cmath>
#include <cstdlib>
#include <string>

namespace fuzz {
namespace {

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

// The text without blanks, tabs and line feeds; any other character beyond ASCII becomes one
// that no number holds.
std::string compacted(QStringView text)
{
    std::string out;
    for (QChar c : text) {
        if (c == u' ' || c == u'\t' || c == u'\n')
            continue;
        out.push_back(c.unicode() < 0x80 ? char(c.unicode()) : '?');
    }
    return out;
}

// How many leading characters of `s` from `pos` are digits.
std::size_t digitsAt(const std::string& s, std::size_t pos)
{
    std::size_t n = 0;
    while (pos + n < s.size() && isDigit(s[pos + n]))
        ++n;
    return n;
}

// The longest prefix of the form  [sign] (digits [. [digits]] | . digits) [(e|E) [sign] digits].
std::string leadingNumber(const std::string& s)
{
    std::size_t pos = 0;
    if (pos < s.size() && (s[pos] == '+' || s[pos] == '-'))
        ++pos;
    const std::size_t whole = digitsAt(s, pos);
    pos += whole;
    std::size_t fraction = 0;
    if (pos < s.size() && s[pos] == '.') {
        fraction = digitsAt(s, pos + 1);
        if (whole == 0 && fraction == 0)
            return std::string();
        pos += 1 + fraction;
    }
    if (whole == 0 && fraction == 0)
        return std::string();
    if (pos < s.size() && (s[pos] == 'e' || s[pos] == 'E')) {
        std::size_t exponent = pos + 1;
        if (exponent < s.size() && (s[exponent] == '+' || s[exponent] == '-'))
            ++exponent;
        const std::size_t digits = digitsAt(s, exponent);
        if (digits > 0)
            pos = exponent + digits;
    }
    return s.substr(0, pos);
}

} // namespace

std::optional<double> referenceNumber(QStringView text)
{
    const std::string number = leadingNumber(compacted(text));
    if (number.empty())
        return 0.0;
    errno = 0;
    const double value = std::strtod(number.c_str(), nullptr);
    if (errno == ERANGE && std::isinf(value))
        return std::nullopt;
    return value;
}

} // namespace fuzz
