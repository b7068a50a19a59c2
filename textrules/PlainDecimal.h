#pragma once

#include <QStringView>

#include <cstddef>
#include <cstdint>

namespace textrules {

// The usual text of a number, a few digits with perhaps a point and a sign, read in one pass
// without the general parser. numbers::read() takes the value where it is exact and leaves any
// other text to the general reading. Inline, so that the many boxes a calculation reads one after
// another pay for no call.
namespace numbers::plain {

// Blanks, tabs and line feeds, ignored wherever they stand in a number's text.
inline bool isIgnored(char16_t c)
{
    // Every character that can make up a number lies above the blank: one comparison settles it.
    return c <= u' ' && (c == u' ' || c == u'\t' || c == u'\n');
}

inline const char16_t* skipIgnored(const char16_t* c, const char16_t* end)
{
    while (c != end && isIgnored(*c))
        ++c;
    return c;
}

// Takes the digits from c on into the mantissa and returns where they end. The loop does no more
// than take each digit in: the caller counts them by the distance walked.
inline const char16_t* takeDigits(const char16_t* c, const char16_t* end, std::uint64_t& mantissa)
{
    for (unsigned digit; c != end && (digit = unsigned(*c) - u'0') < 10; ++c)
        mantissa = mantissa * 10 + digit;
    return c;
}

// Whether the number goes on after blanks: "1 000" and "- 5" are left to the general reading,
// while the blanks a file puts around a number cost no more than stepping over them.
inline bool continuesAfterBlanks(char16_t c)
{
    return unsigned(c) - u'0' < 10 || c == u'.' || c == u'e' || c == u'E';
}

struct PlainDecimal {
    static constexpr int kMostDigits = 19; // no 19-digit number overflows 64 bits

    bool negative = false;
    std::uint64_t mantissa = 0; // the digits as one whole number, wrapped beyond 19 digits
    std::ptrdiff_t digits = 0;
    std::ptrdiff_t places = 0; // digits after the point
    bool goesOn = false;       // an exponent, or more digits after blanks, follow
    bool endsText = false;     // nothing but blanks follows

    // Whether the value is exact and so the same as the general reading's: a whole number of
    // at most 2^53 over a power of ten of at most 19 places, which a double holds exactly, so one
    // division rounds it once.
    bool isExact() const
    {
        constexpr std::uint64_t kExactWhole = std::uint64_t(1) << 53;
        return digits <= kMostDigits && mantissa <= kExactWhole && !goesOn;
    }

    // Only where isExact().
    double value() const
    {
        static constexpr double kPowersOfTen[kMostDigits + 1] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,
                                                                 1e7,  1e8,  1e9,  1e10, 1e11, 1e12, 1e13,
                                                                 1e14, 1e15, 1e16, 1e17, 1e18, 1e19};
        if (digits == 0)
            return 0.0;
        // At most 2^53, the mantissa converts as a signed number, in one instruction.
        const double value = static_cast<double>(static_cast<std::int64_t>(mantissa)) / kPowersOfTen[places];
        return negative ? -value : value;
    }
};

inline PlainDecimal scanPlainDecimal(QStringView text)
{
    PlainDecimal plain;
    const char16_t* const end = text.utf16() + text.size();
    const char16_t* c = skipIgnored(text.utf16(), end);
    plain.negative = c != end && *c == u'-';
    if (c != end && (*c == u'-' || *c == u'+'))
        ++c;
    std::uint64_t mantissa = 0; // kept apart from the struct, so that it can stay in a register
    const char16_t* const whole = c;
    c = takeDigits(whole, end, mantissa);
    plain.digits = c - whole;
    if (c != end && *c == u'.') {
        const char16_t* const fraction = c + 1;
        c = takeDigits(fraction, end, mantissa);
        plain.places = c - fraction;
        plain.digits += plain.places;
    }
    plain.mantissa = mantissa;
    c = skipIgnored(c, end);
    plain.goesOn = c != end && continuesAfterBlanks(*c);
    plain.endsText = c == end;
    return plain;
}

} // namespace numbers::plain

} // namespace textrules
