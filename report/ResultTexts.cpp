#include "ResultTexts.h"

#include "DisplayPattern.h"

#include <algorithm>

namespace resulttexts {

ResultRecord withTotalPowerCost(ResultRecord record)
{
    double total = 0;
    for (int slot : {41, 42, 43})
        total += record.result(slot).value_or(0.0);
    record.setResult(44, total);
    return record;
}

QString fieldText(const ResultRecord& record, int slot, const QString& pattern, int width)
{
    return numbers::fixedField(numbers::formatResult(record.result(slot), pattern), width);
}

qsizetype overrun(const QString& fieldText, int width)
{
    return std::max<qsizetype>(0, fieldText.size() - width);
}

} // namespace resulttexts
