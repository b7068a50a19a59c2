#pragma once

#include <QStringView>

#include <optional>

// A second, plain reading of a number text, to hold the program's reading against: the
// blanks, tabs and line feeds taken out, the longest leading piece that is a number, converted
// by the C library. Nothing when the number is beyond a double.
namespace fuzz {

std::optional<double> referenceNumber(QStringView text);

} // namespace fuzz
