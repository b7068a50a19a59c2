#pragma once

#include "store/InputBoxes.h"

#include <QString>

#include <array>

namespace store {

// One thing for every input box, found by the box: a box that does not exist cannot be named.
template <typename T> class BoxTable {
public:
    const T& operator[](InputBox box) const { return m_items.at(index(box)); }
    T& operator[](InputBox box) { return m_items.at(index(box)); }

    // In the order of InputBox.
    auto begin() const { return m_items.begin(); }
    auto end() const { return m_items.end(); }

    bool operator==(const BoxTable&) const = default;

private:
    static constexpr std::size_t index(InputBox box) { return static_cast<std::size_t>(box); }
    std::array<T, inputboxes::kCount> m_items{};
};

// The text of every box, exactly as typed: what the files hold and what a budget calculation
// starts from.
using InputTexts = BoxTable<QString>;

} // namespace store
