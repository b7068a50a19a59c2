#pragma once

#include "pricing/CenterAnalysis.h"

#include <QStringList>

namespace report {

// How the reverse-engineering analysis reads in its window and on paper. An empty value gives
// an empty text.
namespace centertexts {

QString digits(const std::optional<double>& value); // a whole number in decimal digits
QString money(const std::optional<double>& value);  // "$###,##0.00"
// The mark-up in whole percent when it is above 0 ("###", so below 0.5 % nothing), else "0".
QString markUpFigure(const pricing::CenterAnalysis& analysis);

QString heading(const QString& name);
// The speed and price paragraph: five lines.
QStringList speedParagraph(const QString& name, const pricing::CenterAnalysis& analysis);
// The cost paragraph: three lines.
QStringList costParagraph(const pricing::CenterAnalysis& analysis);
QString tableHeading();
// One line per table row: quantity, cost and retail, each right-aligned in its field; a longer
// text widens its field and pushes the rest of the row to the right.
QStringList tableRows(const pricing::CenterAnalysis& analysis);

} // namespace centertexts

} // namespace report
