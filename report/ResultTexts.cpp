#include "report/ResultTexts.h"

#include "textrules/DisplayPattern.h"

#include <algorithm>

using namespace textrules;

namespace report {

namespace resulttexts {

QString fieldText(std::optional<double> value, const QString& pattern, int width)
{
    return numbers::fixedField(numbers::formatResult(value, pattern), width);
}

qsizetype overrun(const QString& fieldText, int width)
{
    return std::max<qsizetype>(0, fieldText.size() - width);
}

} // namespace resulttexts

} // namespace report
