#include "RateReport.h"

#include "DisplayPattern.h"
#include "RateTable.h"
#include "ResultSlots.h"
#include "ResultTexts.h"

#include <utility>

namespace {

namespace slot = resultslots;

// A body line: its text and, where it names one, the slot whose amount follows it.
struct BodyLine {
    const char* text;
    int slot;
};

constexpr int kNoAmount = 0;
constexpr const char* kDashes = "                           ---------------";
constexpr const char* kEquals = "                                                     ===============";
constexpr const char* kTableRule = "   -------------------------------------------------------------------------------";

const BodyLine kBody[] = {
    {"", kNoAmount},
    {"   TOTAL RENT:.............", slot::rent},
    {"   TOTAL INSURANCE:........", slot::equipmentInsurance},
    {"   TOTAL PROPERTY TAXES:...", slot::propertyTaxes},
    {"   TOTAL DEPRECIATION:.....", slot::depreciation},
    {kDashes, kNoAmount},
    {"       TOTAL FIXED COSTS:..", slot::fixedCosts},
    {"", kNoAmount},
    {"   TOTAL DIRECT WAGES:.....", slot::directWages},
    {"   TOTAL INDIRECT WAGES:...", slot::indirectWages},
    {kDashes, kNoAmount},
    {"             TOTAL WAGES:..", slot::totalWages},
    {"", kNoAmount},
    {"   TOTAL LIGHTING COSTS:...", slot::lightingCost},
    {"   TOTAL MOTOR COSTS:......", slot::motorCost},
    {"   TOTAL ARC COSTS:........", slot::arcLampCost},
    {kDashes, kNoAmount},
    {"       TOTAL POWER COSTS:..", slot::totalPowerCost},
    {kEquals, kNoAmount},
    {"                      TOTAL VARIABLE & FIXED COSTS:..", slot::variableAndFixedCosts},
    {"", kNoAmount},
    {"   SUPPLIES:...............", slot::supplies},
    {"   SOCIAL SECURITY TAX-1:..", slot::socialSecurityTax(1)},
    {"   SOCIAL SECURITY TAX-2:..", slot::socialSecurityTax(2)},
    {"   SOCIAL SECURITY TAX-3:..", slot::socialSecurityTax(3)},
    {"   SS TAXES-INDIRECT:......", slot::indirectSocialSecurityTax},
    {"   WORKMAN'S COMP:.........", slot::workmansComp},
    {"   UNEMPLOYMENT COMP-1:....", slot::unemploymentComp(1)},
    {"   UNEMPLOYMENT COMP-2:....", slot::unemploymentComp(2)},
    {"   UNEMPLOYMENT COMP-3:....", slot::unemploymentComp(3)},
    {"   UNEMPLOYMENT COMP-INDIR:", slot::indirectUnemploymentComp},
    {"   INSURANCE-DIRECT:.......", slot::directInsurance},
    {"   INSURANCE-INDIRECT:.....", slot::indirectInsurance},
    {"   PENSION & RETIREMENT:...", slot::pension},
    {"   REPAIRS:................", slot::repairs},
    {"                           --------------- ", kNoAmount},
    {"       TOTAL VAR. COSTS:...", slot::variableCosts},
    {kEquals, kNoAmount},
    {"                                TOTAL FACTORY COST:..", slot::factoryCost},
    {"", kNoAmount},
    {"   GENERAL FACT'Y EXP:.....", slot::generalFactoryExpense},
    {kDashes, kNoAmount},
    {"       TOTAL VAR. COSTS:...", slot::generalFactoryExpense},
    {kEquals, kNoAmount},
    {"                        TOTAL FACTORY/GENERAL COST:..", slot::factoryAndGeneralCost},
    {"", kNoAmount},
    {"   SELLING OVERHEAD:.......", slot::sellingOverhead},
    {kDashes, kNoAmount},
    {"       TOTAL SELL. O'HD:...", slot::sellingOverhead},
    {kEquals, kNoAmount},
    {"                          TOTAL ANNUAL CENTER COST:..", slot::annualCenterCost},
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
        if (line.slot != kNoAmount) {
            const QString amount =
                resulttexts::fieldText(record, line.slot, numbers::kAmountPattern, resulttexts::kAmountWidth);
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
    const QString hours = numbers::formatResult(record.result(slot::chargeableHours(shown)), numbers::kHoursPattern);
    job.print(QStringLiteral("       "))
        .print(numbers::format(record.input(slot::efficiency(shown)), numbers::kHoursPattern))
        .moveToColumn(20)
        .print(hours);
    qsizetype nextColumn = 20 + hours.size();
    for (const auto& [column, rateSlot] :
         {std::pair{32, slot::rateA(shown)}, std::pair{49, slot::rateB(shown)}, std::pair{66, slot::rateC(shown)}}) {
        const QString rate = ratetable::rateText(record, rateSlot);
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
    const ResultRecord shown = resulttexts::withTotalPowerCost(record);
    PrintJob job;
    printHeading(job, equipmentName);
    printBody(job, shown);
    for (int level = 0; level < ratetable::kLevels; ++level)
        printRateRow(job, shown, level);
    job.printLine(QString::fromLatin1(kTableRule)).endDocument();
    return job;
}
