#include "RateReport.h"

#include "DisplayPattern.h"
#include "RateTable.h"
#include "ResultTexts.h"

#include <algorithm>
#include <utility>

namespace {

// A body line: its text and, where it names one, the slot whose amount follows it.
struct BodyLine {
    const char* text;
    int slot;
};

constexpr int kNoAmount = 0;
constexpr const char* kDashes = "                           ---------------";
constexpr const char* kEquals = "                                                     ===============";
constexpr const char* kTableRule =
    "   -------------------------------------------------------------------------------";

const BodyLine kBody[] = {
    {"", kNoAmount},
    {"   TOTAL RENT:.............", 28},
    {"   TOTAL INSURANCE:........", 29},
    {"   TOTAL PROPERTY TAXES:...", 30},
    {"   TOTAL DEPRECIATION:.....", 31},
    {kDashes, kNoAmount},
    {"       TOTAL FIXED COSTS:..", 33},
    {"", kNoAmount},
    {"   TOTAL DIRECT WAGES:.....", 36},
    {"   TOTAL INDIRECT WAGES:...", 37},
    {kDashes, kNoAmount},
    {"             TOTAL WAGES:..", 39},
    {"", kNoAmount},
    {"   TOTAL LIGHTING COSTS:...", 41},
    {"   TOTAL MOTOR COSTS:......", 42},
    {"   TOTAL ARC COSTS:........", 43},
    {kDashes, kNoAmount},
    {"       TOTAL POWER COSTS:..", 44},
    {kEquals, kNoAmount},
    {"                      TOTAL VARIABLE & FIXED COSTS:..", 45},
    {"", kNoAmount},
    {"   SUPPLIES:...............", 47},
    {"   SOCIAL SECURITY TAX-1:..", 48},
    {"   SOCIAL SECURITY TAX-2:..", 49},
    {"   SOCIAL SECURITY TAX-3:..", 50},
    {"   SS TAXES-INDIRECT:......", 51},
    {"   WORKMAN'S COMP:.........", 52},
    {"   UNEMPLOYMENT COMP-1:....", 53},
    {"   UNEMPLOYMENT COMP-2:....", 54},
    {"   UNEMPLOYMENT COMP-3:....", 55},
    {"   UNEMPLOYMENT COMP-INDIR:", 56},
    {"   INSURANCE-DIRECT:.......", 57},
    {"   INSURANCE-INDIRECT:.....", 58},
    {"   PENSION & RETIREMENT:...", 59},
    {"   REPAIRS:................", 60},
    {"                           --------------- ", kNoAmount},
    {"       TOTAL VAR. COSTS:...", 62},
    {kEquals, kNoAmount},
    {"                                TOTAL FACTORY COST:..", 64},
    {"", kNoAmount},
    {"   GENERAL FACT'Y EXP:.....", 65},
    {kDashes, kNoAmount},
    {"       TOTAL VAR. COSTS:...", 65},
    {kEquals, kNoAmount},
    {"                        TOTAL FACTORY/GENERAL COST:..", 67},
    {"", kNoAmount},
    {"   SELLING OVERHEAD:.......", 68},
    {kDashes, kNoAmount},
    {"       TOTAL SELL. O'HD:...", 68},
    {kEquals, kNoAmount},
    {"                          TOTAL ANNUAL CENTER COST:..", 70},
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

// Rates stand in 8-character fields from the columns 32, 49 and 66. A wider rate starts earlier
// so that it still ends in its field's last column, yet always after a blank.
void printRateRow(PrintJob& job, const ResultRecord& record, int level)
{
    const QString hours = numbers::formatResult(record.result(77 + level), numbers::kHoursPattern);
    job.print(QStringLiteral("       "))
        .print(numbers::format(record.input(77 + level), numbers::kHoursPattern))
        .moveToColumn(20)
        .print(hours);
    qsizetype nextColumn = 20 + hours.size();
    for (const auto& [column, firstSlot] : {std::pair{32, 81}, std::pair{49, 89}, std::pair{66, 100}}) {
        const QString rate = ratetable::rateText(record, firstSlot + level);
        const qsizetype start =
            std::max(column - resulttexts::overrun(rate, resulttexts::kRateWidth), nextColumn + 1);
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
