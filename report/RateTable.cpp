#include "report/RateTable.h"

#include "report/ResultTexts.h"
#include "textrules/DisplayPattern.h"
#include "textrules/NumberText.h"

#include <algorithm>

using namespace textrules;
using namespace engine;

namespace report {

namespace ratetable {
namespace {

// The blanks before a rate, fewer by what the rate runs past its field, but never none.
QString gapBefore(int gap, const QString& rateText)
{
    const qsizetype blanks = std::max<qsizetype>(1, gap - resulttexts::overrun(rateText, resulttexts::kRateWidth));
    return QString(blanks, u' ') + rateText;
}

} // namespace

QStringList noteLines()
{
    return {
        QStringLiteral("PLEASE NOTE THE FOLLOWING DEFINITIONS"),
        QStringLiteral("(A) represents the Manufacturig Cost per chargeable hour and is obtained"),
        QStringLiteral("by dividing the Factory Cost by appropriate chargeable hours.  (B) is the"),
        QStringLiteral("Budgeted Hourly Cost and is obtainable by dividing annual cost by hours."),
        QStringLiteral("(C) is Budgeted Employee Cost obtained by dividing B by the # of employees."),
    };
}

QStringList headingLines()
{
    return {
        QStringLiteral("%  of       Tot           Manuf          Budget        Employee    "),
        QStringLiteral(" Hrs        Hrs          Cost/Hr         Cost/Hr       Cost/Hr     "),
        QString(), // the second line ends with a line break too
    };
}

QString rateText(std::optional<double> rate)
{
    return resulttexts::fieldText(rate, numbers::kMoneyPattern, resulttexts::kRateWidth);
}

QString percentText(const ResultRecord& record, int level)
{
    return numbers::boxText(record.efficiency(level + 1)).rightJustified(4, u' ');
}

QString row(const ResultRecord& record, int level)
{
    const int shown = level + 1;
    const QString hours = numbers::formatResult(record.chargeableHours(shown), numbers::kHoursPattern);
    return percentText(record, level) + QString(7, u' ') + hours +
           gapBefore(7, rateText(record.rate(HourlyRate::A, shown))) +
           gapBefore(8, rateText(record.rate(HourlyRate::B, shown))) +
           gapBefore(6, rateText(record.rate(HourlyRate::C, shown)));
}

QString optionLabel(const ResultRecord& record, int level)
{
    return numbers::format(record.efficiency(level + 1), numbers::kPercentPattern) + QStringLiteral("% Eff");
}

QString optionCaption(const ResultRecord& record, int level)
{
    return numbers::formatResult(record.rate(HourlyRate::B, level + 1), numbers::kMoneyPattern);
}

} // namespace ratetable

} // namespace report
