// Number reading against the plain reference reading: the same value, or an overflow on both.
#include "fuzz/FuzzSupport.h"
#include "fuzz/ReferenceNumber.h"
#include "textrules/ArithmeticFailure.h"
#include "textrules/NumberReading.h"

#include <cstddef>
#include <cstdint>
#include <optional>

using namespace textrules;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QString text = QString::fromLatin1(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const std::optional<double> expected = fuzz::referenceNumber(text);
    std::optional<double> read;
    try {
        read = numbers::read(text);
    } catch (const ArithmeticFailure& failure) {
        fuzz::require(failure.kind() == FailureKind::Overflow, "a number text fails only by overflow");
    }
    fuzz::require(read.has_value() == expected.has_value(), "overflow exactly where the reference overflows");
    fuzz::require(!read || *read == *expected, "the value the reference reads");
    return 0;
}
