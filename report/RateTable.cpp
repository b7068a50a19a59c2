#include "report/RateTable.h"

#include "report/ResultTexts.h"
#include "textrules/DisplayPattern.h"
#include "textrules/NumberText.h"

#include <QCoreApplication>
#include <algorithm>

using namespace textrules;
using namespace engine;

namespace report {

namespace ratetable {
namespace {
struct RateTableTexts {
    Q_DECLARE_TR_FUNCTIONS(RateTable)
};

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
        RateTableTexts::tr("PLEASE NOTE THE FOLLOWING DEFINITIONS"),
        RateTableTexts::tr("(A) represents the Manufacturig Cost per chargeable hour and is obtained"),
        RateTableTexts::tr("by dividing the Factory Cost by appropriate chargeable hours.  (B) is the"),
        RateTableTexts::tr("Budgeted Hourly Cost and is obtainable by dividing annual cost by hours."),
        RateTableTexts::tr("(C) is Budgeted Employee Cost obtained by dividing B by the # of employees."),
    };
}

QStringList headingLines()
{
    return {
        RateTableTexts::tr("%  of       Tot           Manuf          Budget        Employee    "),
        RateTableTexts::tr(" Hrs        Hrs          Cost/Hr         Cost/Hr       Cost/Hr     "),
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
    return numbers::format(record.efficiency(level + 1), numbers::kPercentPattern) + RateTableTexts::tr("% Eff");
}

QString optionCaption(const ResultRecord& record, int level)
{
    return numbers::formatResult(record.rate(HourlyRate::B, level + 1), numbers::kMoneyPattern);
}

} // namespace ratetable

} // namespace report
