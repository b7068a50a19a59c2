#include "report/RateReport.h"

#include "report/RateTable.h"
#include "report/ResultTexts.h"
#include "textrules/DisplayPattern.h"

#include <utility>

using namespace textrules;
using namespace engine;

namespace report {

namespace {

using C = AnnualCost;

// A body line: its text and, where it names one, the cost whose amount follows it.
struct BodyLine {
    const char* text;
    std::optional<AnnualCost> cost;
};

constexpr std::optional<AnnualCost> kNoAmount;
constexpr const char* kDashes = "                           ---------------";
constexpr const char* kEquals = "                                                     ===============";
constexpr const char* kTableRule = "   -------------------------------------------------------------------------------";

const BodyLine kBody[] = {
    {"", kNoAmount},
    {"   TOTAL RENT:.............", C::Rent},
    {"   TOTAL INSURANCE:........", C::EquipmentInsurance},
    {"   TOTAL PROPERTY TAXES:...", C::PropertyTaxes},
    {"   TOTAL DEPRECIATION:.....", C::Depreciation},
    {kDashes, kNoAmount},
    {"       TOTAL FIXED COSTS:..", C::FixedCosts},
    {"", kNoAmount},
    {"   TOTAL DIRECT WAGES:.....", C::DirectWages},
    {"   TOTAL INDIRECT WAGES:...", C::IndirectWages},
    {kDashes, kNoAmount},
    {"             TOTAL WAGES:..", C::TotalWages},
    {"", kNoAmount},
    {"   TOTAL LIGHTING COSTS:...", C::LightingCost},
    {"   TOTAL MOTOR COSTS:......", C::MotorCost},
    {"   TOTAL ARC COSTS:........", C::ArcLampCost},
    {kDashes, kNoAmount},
    {"       TOTAL POWER COSTS:..", C::TotalPowerCost},
    {kEquals, kNoAmount},
    {"                      TOTAL VARIABLE & FIXED COSTS:..", C::VariableAndFixedCosts},
    {"", kNoAmount},
    {"   SUPPLIES:...............", C::Supplies},
    {"   SOCIAL SECURITY TAX-1:..", C::SocialSecurityTax1},
    {"   SOCIAL SECURITY TAX-2:..", C::SocialSecurityTax2},
    {"   SOCIAL SECURITY TAX-3:..", C::SocialSecurityTax3},
    {"   SS TAXES-INDIRECT:......", C::IndirectSocialSecurityTax},
    {"   WORKMAN'S COMP:.........", C::WorkmansComp},
    {"   UNEMPLOYMENT COMP-1:....", C::UnemploymentComp1},
    {"   UNEMPLOYMENT COMP-2:....", C::UnemploymentComp2},
    {"   UNEMPLOYMENT COMP-3:....", C::UnemploymentComp3},
    {"   UNEMPLOYMENT COMP-INDIR:", C::IndirectUnemploymentComp},
    {"   INSURANCE-DIRECT:.......", C::DirectInsurance},
    {"   INSURANCE-INDIRECT:.....", C::IndirectInsurance},
    {"   PENSION & RETIREMENT:...", C::Pension},
    {"   REPAIRS:................", C::Repairs},
    {"                           --------------- ", kNoAmount},
    {"       TOTAL VAR. COSTS:...", C::VariableCosts},
    {kEquals, kNoAmount},
    {"                                TOTAL FACTORY COST:..", C::FactoryCost},
    {"", kNoAmount},
    {"   GENERAL FACT'Y EXP:.....", C::GeneralFactoryExpense},
    {kDashes, kNoAmount},
    {"       TOTAL VAR. COSTS:...", C::GeneralFactoryExpense},
    {kEquals, kNoAmount},
    {"                        TOTAL FACTORY/GENERAL COST:..", C::FactoryAndGeneralCost},
    {"", kNoAmount},
    {"   SELLING OVERHEAD:.......", C::SellingOverhead},
    {kDashes, kNoAmount},
    {"       TOTAL SELL. O'HD:...", C::SellingOverhead},
    {kEquals, kNoAmount},
    {"                          TOTAL ANNUAL CENTER COST:..", C::AnnualCenterCost},
    {"", kNoAmount},
    {"                        PLEASE NOTE THE FOLLOWING DEFINITIONS", kNoAmount},
    {"      (A) represents the Manufacturing Cost per chargeable hour and is obtained", kNoAmount},
    {"      by dividing the Factory Cost by appropriate chargeable hours.  (B) is the", kNoAmount},
    {"        Budgeted Hourly Cost and is obtained by dividing annual cost by hours.", kNoAmount},
    {"     (C) is Budgeted Employee Cost obtained by dividing B by the # of employees.", kNoAmount},
    {"", kNoAmount},
    {"   ------------------------------- A ------------- B --------------- C -----------", kNoAmount},
    {"      %  of        Tot           Manuf           Budget           Employee", kNoAmount},
    {"       Hrs         Hrs          Cost/Hr          Cost/Hr          Cost/Hr", kNoAmount},
    {kTableRule, kNoAmount},
};

void printHeading(PrintJob& job, const QString& equipmentName)
{
    job.fontName(QStringLiteral("Courier New")).fontSize(9).print(QStringLiteral("   "));
    job.fontSize(12).bold(true).printLine(QStringLiteral("BUDGETED HOURLY RATE ANALYSIS FOR: ") + equipmentName);
    job.fontSize(9).bold(false);
}

// An amount wider than its field keeps its right edge under the rules: the blanks that indent
// its label make the room.
void printBody(PrintJob& job, const ResultRecord& record)
{
    for (const BodyLine& line : kBody) {
        QString text = QString::fromLatin1(line.text);
        if (line.cost) {
            const QString amount = resulttexts::fieldText(record.annualCost(*line.cost), numbers::kAmountPattern,
                                                          resulttexts::kAmountWidth);
            for (qsizetype over = resulttexts::overrun(amount, resulttexts::kAmountWidth);
                 over > 0 && text.startsWith(u' '); --over)
                text.remove(0, 1);
            text += amount;
        }
        job.printLine(text);
    }
}

// Rates stand in 8-character fields from the columns 32, 49 and 66; a wider rate starts as much
// earlier, so that it still ends in its field's last column. Where the line has already reached a
// rate's first column, the rate goes on at that column of the next line, as the printer does with
// any column the line is past; a rate without blanks of its own does so also where it would touch
// the figure before it.
void printRateRow(PrintJob& job, const ResultRecord& record, int level)
{
    const int shown = level + 1;
    const QString hours = numbers::formatResult(record.chargeableHours(shown), numbers::kHoursPattern);
    job.print(QStringLiteral("       "))
        .print(numbers::format(record.efficiency(shown), numbers::kHoursPattern))
        .moveToColumn(20)
        .print(hours);
    qsizetype nextColumn = 20 + hours.size();
    for (const auto& [column, kind] :
         {std::pair{32, HourlyRate::A}, std::pair{49, HourlyRate::B}, std::pair{66, HourlyRate::C}}) {
        const QString rate = ratetable::rateText(record.rate(kind, shown));
        const qsizetype start = column - resulttexts::overrun(rate, resulttexts::kRateWidth);
        if (nextColumn == start && !rate.startsWith(u' '))
            job.endLine();
        job.moveToColumn(static_cast<int>(start)).print(rate);
        nextColumn = start + rate.size();
    }
    job.endLine();
}

} // namespace

PrintJob rateReport(const QString& equipmentName, const ResultRecord& record)
{
    PrintJob job;
    printHeading(job, equipmentName);
    printBody(job, record);
    for (int level = 0; level < ratetable::kLevels; ++level)
        printRateRow(job, record, level);
    job.printLine(QString::fromLatin1(kTableRule)).endDocument();
    return job;
}

} // namespace report
