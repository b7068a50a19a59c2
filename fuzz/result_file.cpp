// The result file: any bytes load without harm, and a record saved and loaded again gives the
// values its number text holds.
#include "engine/ResultFile.h"
#include "fuzz/FuzzSupport.h"
#include "store/FileNames.h"
#include "textrules/NumberReading.h"
#include "textrules/NumberText.h"

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstring>

using namespace textrules;
using namespace store;
using namespace engine;

namespace {

const QString kName = QStringLiteral("Fuzz");

// Reads doubles and flags from the input in turn, starting again at its beginning when used up.
class Stream {
public:
    Stream(const std::uint8_t* data, std::size_t size) : m_data(data), m_size(size) {}
    std::uint8_t byte() { return m_size == 0 ? 0 : m_data[m_pos++ % m_size]; }
    double finite()
    {
        unsigned char bytes[sizeof(double)];
        for (auto& b : bytes)
            b = byte();
        double value = 0.0;
        std::memcpy(&value, bytes, sizeof value);
        return std::isfinite(value) ? value : 0.0;
    }

private:
    const std::uint8_t* m_data;
    std::size_t m_size;
    std::size_t m_pos = 0;
};

// What a value comes back as: the number its 15-digit text reads as.
double written(double value)
{
    return numbers::read(numbers::boxText(value));
}

void loadAnyBytes(const std::uint8_t* data, std::size_t size)
{
    fuzz::placeFile(filenames::resultFile(kName), QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)));
    const LoadedRecord loaded = loadResultFile(fuzz::scratchFolder(), kName);
    for (int slot = 1; slot <= ResultRecord::kSlots; ++slot) {
        fuzz::require(std::isfinite(loaded.record.input(slot)), "a loaded input value is a finite number");
        fuzz::require(std::isfinite(loaded.record.result(slot).value_or(0.0)), "a loaded result is a finite number");
    }
}

void roundTrip(const std::uint8_t* data, std::size_t size)
{
    Stream stream(data, size);
    ResultRecord record;
    for (int slot = 1; slot <= ResultRecord::kSlots; ++slot) {
        if (stream.byte() % 2 == 1)
            record.setResult(slot, stream.finite());
        record.setInput(slot, stream.finite());
    }
    fuzz::require(saveResultFile(fuzz::scratchFolder(), kName, record).ok(), "a record can be saved");
    const LoadedRecord loaded = loadResultFile(fuzz::scratchFolder(), kName);
    fuzz::require(loaded.ok(), "a saved record loads");
    for (int slot = 1; slot <= ResultRecord::kSlots; ++slot) {
        const std::optional<double> result = record.result(slot);
        fuzz::require(loaded.record.result(slot).has_value() == result.has_value(), "empty results stay empty");
        fuzz::require(!result || *loaded.record.result(slot) == written(*result), "a result comes back as written");
        fuzz::require(loaded.record.input(slot) == written(record.input(slot)), "an input comes back as written");
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    loadAnyBytes(data, size);
    roundTrip(data, size);
    return 0;
}
