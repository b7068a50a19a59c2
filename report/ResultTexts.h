#pragma once

#include <QString>

#include <optional>

namespace report {

// How the result windows and the rate report turn result values into fixed-width texts.
namespace resulttexts {

inline constexpr int kAmountWidth = 15; // annual amounts
inline constexpr int kRateWidth = 8;    // hourly rates

// The result value formatted with the pattern, right-aligned in a field of the width; an empty
// value gives a blank field. A longer text is never cut (see numbers::fixedField).
QString fieldText(std::optional<double> value, const QString& pattern, int width);

// How many characters a field's text runs past the field's width; 0 when it fits. Layouts take
// that many from the blanks before the field, so that the figure keeps its right edge.
qsizetype overrun(const QString& fieldText, int width);

} // namespace resulttexts

} // namespace report
