#pragma once

#include "store/InputTexts.h"

#include <QList>

#include <optional>

namespace engine {

// What drives a rate: each input moved 10 % down and 10 % up, one at a time, with every other
// input as typed, and the rate (B) at one efficiency level that the cost formulas then give.
namespace ratedrivers {

inline constexpr double kDown = 0.9;
inline constexpr double kUp = 1.1;

struct Driver {
    store::InputBox box;
    // The rate with the input moved down and up; nothing where the formulas give none.
    std::optional<double> down;
    std::optional<double> up;
    bool operator==(const Driver&) const = default;
};

struct [[nodiscard]] Drivers {
    int level = 1;
    std::optional<double> rate;   // as the texts give it; nothing where the formulas give none
    QList<Driver> moving;         // the inputs that move the rate, the largest effect first
    QList<store::InputBox> still; // those that do not move it at all, in the order of the tabs
    bool operator==(const Drivers&) const = default;
};

Drivers drivers(const store::InputTexts& texts, int level);

// How far the input moves the rate at its farther end; an end without a rate counts as no move.
double effect(const Driver& driver, double rate);

} // namespace ratedrivers

} // namespace engine
