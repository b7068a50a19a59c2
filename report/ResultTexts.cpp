#include "ResultTexts.h"

#include "DisplayPattern.h"
#include "ResultSlots.h"

#include <algorithm>

namespace resulttexts {

ResultRecord withTotalPowerCost(ResultRecord record)
{
    double total = 0;
    for (const int part : resultslots::powerCostParts)
        total += record.result(part).value_or(0.0);
    record.setResult(resultslots::totalPowerCost, total);
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
