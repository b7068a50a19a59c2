#include "RateReport.h"

#include "DisplayPattern.h"
#include "RateTable.h"
#include "ResultTexts.h"

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

void printBody(PrintJob& job, const ResultRecord& record)
{
    for (const BodyLine& line : kBody) {
        QString text = QString::fromLatin1(line.text);
        if (line.slot != kNoAmount)
            text += resulttexts::fieldText(record, line.slot, numbers::kAmountPattern, resulttexts::kAmountWidth);
        job.printLine(text);
    }
}

void printRateRow(PrintJob& job, const ResultRecord& record, int level)
{
    job.print(QStringLiteral("       "))
        .print(numbers::format(record.input(77 + level), numbers::kHoursPattern))
        .moveToColumn(20)
        .print(numbers::formatResult(record.result(77 + level), numbers::kHoursPattern))
        .moveToColumn(32)
        .print(ratetable::rateText(record, 81 + level))
        .moveToColumn(49)
        .print(ratetable::rateText(record, 89 + level))
        .moveToColumn(66)
        .printLine(ratetable::rateText(record, 100 + level));
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
