#include "report/RateReport.h"

#include "report/RateTable.h"
#include "report/ResultTexts.h"
#include "textrules/DisplayPattern.h"

#include <QCoreApplication>

#include <utility>

using namespace textrules;
using namespace engine;

namespace report {

namespace {
struct RateReportTexts {
    Q_DECLARE_TR_FUNCTIONS(RateReport)
};

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
    {QT_TRANSLATE_NOOP("RateReport", "   TOTAL RENT:............."), C::Rent},
    {QT_TRANSLATE_NOOP("RateReport", "   TOTAL INSURANCE:........"), C::EquipmentInsurance},
    {QT_TRANSLATE_NOOP("RateReport", "   TOTAL PROPERTY TAXES:..."), C::PropertyTaxes},
    {QT_TRANSLATE_NOOP("RateReport", "   TOTAL DEPRECIATION:....."), C::Depreciation},
    {kDashes, kNoAmount},
    {QT_TRANSLATE_NOOP("RateReport", "       TOTAL FIXED COSTS:.."), C::FixedCosts},
    {"", kNoAmount},
    {QT_TRANSLATE_NOOP("RateReport", "   TOTAL DIRECT WAGES:....."), C::DirectWages},
    {QT_TRANSLATE_NOOP("RateReport", "   TOTAL INDIRECT WAGES:..."), C::IndirectWages},
    {kDashes, kNoAmount},
    {QT_TRANSLATE_NOOP("RateReport", "             TOTAL WAGES:.."), C::TotalWages},
    {"", kNoAmount},
    {QT_TRANSLATE_NOOP("RateReport", "   TOTAL LIGHTING COSTS:..."), C::LightingCost},
    {QT_TRANSLATE_NOOP("RateReport", "   TOTAL MOTOR COSTS:......"), C::MotorCost},
    {QT_TRANSLATE_NOOP("RateReport", "   TOTAL ARC COSTS:........"), C::ArcLampCost},
    {kDashes, kNoAmount},
    {QT_TRANSLATE_NOOP("RateReport", "       TOTAL POWER COSTS:.."), C::TotalPowerCost},
    {kEquals, kNoAmount},
    {QT_TRANSLATE_NOOP("RateReport", "                      TOTAL VARIABLE & FIXED COSTS:.."),
     C::VariableAndFixedCosts},
    {"", kNoAmount},
    {QT_TRANSLATE_NOOP("RateReport", "   SUPPLIES:..............."), C::Supplies},
    {QT_TRANSLATE_NOOP("RateReport", "   SOCIAL SECURITY TAX-1:.."), C::SocialSecurityTax1},
    {QT_TRANSLATE_NOOP("RateReport", "   SOCIAL SECURITY TAX-2:.."), C::SocialSecurityTax2},
    {QT_TRANSLATE_NOOP("RateReport", "   SOCIAL SECURITY TAX-3:.."), C::SocialSecurityTax3},
    {QT_TRANSLATE_NOOP("RateReport", "   SS TAXES-INDIRECT:......"), C::IndirectSocialSecurityTax},
    {QT_TRANSLATE_NOOP("RateReport", "   WORKMAN'S COMP:........."), C::WorkmansComp},
    {QT_TRANSLATE_NOOP("RateReport", "   UNEMPLOYMENT COMP-1:...."), C::UnemploymentComp1},
    {QT_TRANSLATE_NOOP("RateReport", "   UNEMPLOYMENT COMP-2:...."), C::UnemploymentComp2},
    {QT_TRANSLATE_NOOP("RateReport", "   UNEMPLOYMENT COMP-3:...."), C::UnemploymentComp3},
    {QT_TRANSLATE_NOOP("RateReport", "   UNEMPLOYMENT COMP-INDIR:"), C::IndirectUnemploymentComp},
    {QT_TRANSLATE_NOOP("RateReport", "   INSURANCE-DIRECT:......."), C::DirectInsurance},
    {QT_TRANSLATE_NOOP("RateReport", "   INSURANCE-INDIRECT:....."), C::IndirectInsurance},
    {QT_TRANSLATE_NOOP("RateReport", "   PENSION & RETIREMENT:..."), C::Pension},
    {QT_TRANSLATE_NOOP("RateReport", "   REPAIRS:................"), C::Repairs},
    {"                           --------------- ", kNoAmount},
    {QT_TRANSLATE_NOOP("RateReport", "       TOTAL VAR. COSTS:..."), C::VariableCosts},
    {kEquals, kNoAmount},
    {QT_TRANSLATE_NOOP("RateReport", "                                TOTAL FACTORY COST:.."), C::FactoryCost},
    {"", kNoAmount},
    {QT_TRANSLATE_NOOP("RateReport", "   GENERAL FACT'Y EXP:....."), C::GeneralFactoryExpense},
    {kDashes, kNoAmount},
    {QT_TRANSLATE_NOOP("RateReport", "       TOTAL VAR. COSTS:..."), C::GeneralFactoryExpense},
    {kEquals, kNoAmount},
    {QT_TRANSLATE_NOOP("RateReport", "                        TOTAL FACTORY/GENERAL COST:.."),
     C::FactoryAndGeneralCost},
    {"", kNoAmount},
    {QT_TRANSLATE_NOOP("RateReport", "   SELLING OVERHEAD:......."), C::SellingOverhead},
    {kDashes, kNoAmount},
    {QT_TRANSLATE_NOOP("RateReport", "       TOTAL SELL. O'HD:..."), C::SellingOverhead},
    {kEquals, kNoAmount},
    {QT_TRANSLATE_NOOP("RateReport", "                          TOTAL ANNUAL CENTER COST:.."), C::AnnualCenterCost},
    {"", kNoAmount},
    {QT_TRANSLATE_NOOP("RateReport", "                        PLEASE NOTE THE FOLLOWING DEFINITIONS"), kNoAmount},
    {QT_TRANSLATE_NOOP("RateReport", "      (A) represents the Manufacturing Cost per chargeable hour and is obtained"),
     kNoAmount},
    {QT_TRANSLATE_NOOP("RateReport", "      by dividing the Factory Cost by appropriate chargeable hours.  (B) is the"),
     kNoAmount},
    {QT_TRANSLATE_NOOP("RateReport", "        Budgeted Hourly Cost and is obtained by dividing annual cost by hours."),
     kNoAmount},
    {QT_TRANSLATE_NOOP("RateReport",
                       "     (C) is Budgeted Employee Cost obtained by dividing B by the # of employees."),
     kNoAmount},
    {"", kNoAmount},
    {QT_TRANSLATE_NOOP("RateReport",
                       "   ------------------------------- A ------------- B --------------- C -----------"),
     kNoAmount},
    {QT_TRANSLATE_NOOP("RateReport", "      %  of        Tot           Manuf           Budget           Employee"),
     kNoAmount},
    {QT_TRANSLATE_NOOP("RateReport", "       Hrs         Hrs          Cost/Hr          Cost/Hr          Cost/Hr"),
     kNoAmount},
    {kTableRule, kNoAmount},
};

void printHeading(PrintJob& job, const QString& equipmentName)
{
    job.fontName(QStringLiteral("Courier New")).fontSize(9).print(QStringLiteral("   "));
    job.fontSize(12).bold(true).printLine(RateReportTexts::tr("BUDGETED HOURLY RATE ANALYSIS FOR: ") + equipmentName);
    job.fontSize(9).bold(false);
}

// An amount wider than its field keeps its right edge under the rules: the blanks that indent
// its label make the room.
void printBody(PrintJob& job, const ResultRecord& record)
{
    for (const BodyLine& line : kBody) {
        QString text = QCoreApplication::translate("RateReport", line.text);
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
