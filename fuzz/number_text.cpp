// Every finite double written as number text reads back, within its 15 significant digits,
// and never as an overflow: in a box and in the number form of the files.
#include "fuzz/FuzzSupport.h"
#include "textrules/ArithmeticFailure.h"
#include "textrules/NumberReading.h"
#include "textrules/NumberText.h"

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <limits>

using namespace textrules;

namespace {

double readBack(const QString& text)
{
    try {
        return numbers::read(text);
    } catch (const ArithmeticFailure&) {
        fuzz::require(false, "written number text never reads as an overflow");
    }
    return 0.0;
}

// The digits of the text, leading zeros and the exponent aside.
qsizetype significantDigits(const QString& text)
{
    qsizetype count = 0;
    bool leading = true;
    for (QChar c : text) {
        if (c == u'E')
            break;
        if (!c.isDigit())
            continue;
        leading = leading && c == u'0';
        count += leading ? 0 : 1;
    }
    return count;
}

void checkValue(double value)
{
    const QString box = numbers::boxText(value);
    const double back = readBack(box);
    const double tolerance = std::fabs(value) * 1e-14 + std::numeric_limits<double>::denorm_min();
    fuzz::require(std::fabs(back - value) <= tolerance, "box text reads back within 15 significant digits");
    fuzz::require(numbers::boxText(back) == box, "what box text reads back as is written the same");
    fuzz::require(significantDigits(box) <= 15, "at most 15 significant digits");
    fuzz::require(readBack(numbers::printForm(value)) == back, "the number form reads back as the box text");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    for (std::size_t at = 0; at + sizeof(double) <= size; at += sizeof(double)) {
        double value = 0.0;
        std::memcpy(&value, data + at, sizeof value);
        if (std::isfinite(value))
            checkValue(value);
    }
    return 0;
}
