#pragma once

#include <QString>

#include <optional>

namespace textrules {

// Display patterns turn numbers into the texts the user reads: "0" is a digit always shown,
// "#" a digit shown only when significant, a comma between digit places groups thousands,
// "." is the decimal point, every other character is literal. Values are rounded half away
// from zero to the decimals shown; a negative value gets "-" before the whole result, even when
// it rounds to zero.
namespace numbers {

inline const QString kAmountPattern = QStringLiteral("$###,###,#0.00");
inline const QString kIndentedAmountPattern = QStringLiteral("   $###,###,#0.00");
inline const QString kMoneyPattern = QStringLiteral("$###,##0.00");
inline const QString kGroupedPattern = QStringLiteral("###,##0.00");
inline const QString kHoursPattern = QStringLiteral("######");
inline const QString kPercentPattern = QStringLiteral("###");

QString format(double value, const QString& pattern);

// A result value that the formulas left empty (nothing assigned, or a division by zero) shows
// as an empty text in every result window and report, never as a misleading $0.00.
QString formatResult(const std::optional<double>& value, const QString& pattern);

// The text right-aligned in a field of the given width, padded with blanks on the left. A cut
// number reads as another number, so a longer text only gives up the blanks before its first
// digit (they merely indent it) and, when still too long, is kept whole, wider than the field.
QString fixedField(QString text, int width);

} // namespace numbers

} // namespace textrules
