#pragma once

#include <array>
#include <optional>

// What one budget calculation produces for one piece of equipment: 103 numbered slots, each
// with a result value (empty where no formula assigned one) and an input value (always present,
// 0 where no input belongs to the slot). Values are kept at full double precision.
class ResultRecord {
public:
    static constexpr int kSlots = 103;

    ResultRecord() { clear(); }

    // Every result value empty, every input value 0, as a calculation starts.
    void clear();

    // Slots are numbered 1 to 103; any other number throws std::out_of_range.
    std::optional<double> result(int slot) const
    {
        const std::size_t at = index(slot);
        return m_hasResult.at(at) ? std::optional(m_results[at]) : std::nullopt;
    }
    double input(int slot) const { return m_inputs.at(index(slot)); }

    void setResult(int slot, double value)
    {
        const std::size_t at = index(slot);
        m_hasResult.at(at) = true;
        m_results[at] = value;
    }
    void clearResult(int slot) { m_hasResult.at(index(slot)) = false; }
    void setInput(int slot, double value) { m_inputs.at(index(slot)) = value; }

private:
    // Slot 0 has no entry, so that a slot number outside 1 to 103 is caught by at().
    static std::size_t index(int slot) { return static_cast<std::size_t>(slot - 1); }

    // Apart rather than as optionals, so that clearing the record is two plain fills.
    std::array<bool, kSlots> m_hasResult;
    std::array<double, kSlots> m_results;
    std::array<double, kSlots> m_inputs;
};
