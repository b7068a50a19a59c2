#pragma once

#include "textrules/ArithmeticFailure.h"

#include <optional>

namespace pricing {

// The analysis goes on after a failed step: the step's value stays empty, and every later step
// that needs it is skipped without a further failure.
namespace analysisstep {

// Thrown by need() when a step lacks a value that an earlier step failed to work out.
struct MissingValue {};

template <typename T> T need(const std::optional<T>& value)
{
    if (!value)
        throw MissingValue{};
    return *value;
}

// Runs one step: its value, or nothing when its own arithmetic fails (counted in `failures`)
// or a value it needs is missing (already counted where it failed).
template <typename Compute> auto attempt(int& failures, Compute compute) -> std::optional<decltype(compute())>
{
    try {
        return compute();
    } catch (const MissingValue&) {
        return std::nullopt;
    } catch (const textrules::ArithmeticFailure&) {
        ++failures;
        return std::nullopt;
    }
}

} // namespace analysisstep

} // namespace pricing
