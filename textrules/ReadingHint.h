#pragma once

#include <QString>
#include <QStringView>

namespace textrules {

// A short note for a number box whose text will not be read the way the user sees it.
namespace readinghint {

// Empty when the text reads as typed: it is empty, or with its blanks, tabs and line feeds
// taken out it is one whole number (sign, digits with at most one point, optional exponent)
// that number reading gives back. Otherwise what it reads as ("read as 1" for "1,500"), or that
// it is too large to calculate with.
QString forText(QStringView text);

} // namespace readinghint

} // namespace textrules
