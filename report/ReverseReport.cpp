#include "report/ReverseReport.h"

#include "report/CenterTexts.h"

#include <QCoreApplication>

using namespace pricing;

namespace report {

using centertexts::money;

namespace {
struct ReverseReportTexts {
    Q_DECLARE_TR_FUNCTIONS(ReverseReport)
};

const QString kIndent = QStringLiteral("   ");

void printHeading(PrintJob& job, const QString& name)
{
    job.print(kIndent).fontSize(12).bold(true).printLine(ReverseReportTexts::tr("REVERSE ENGINEERING ANALYSIS FOR: ") +
                                                         name);
    job.endLine().fontSize(9).bold(false);
    job.print(ReverseReportTexts::tr("   The Equipment Specified as ")).bold(true).printLine(name).bold(false);
    job.printLine(ReverseReportTexts::tr("   Will Have A Rated Straight Line Speed of"));
}

void printSpeed(PrintJob& job, const std::optional<double>& speed, int quantity)
{
    job.bold(true).print(kIndent + centertexts::digits(speed)).bold(false);
    job.print(ReverseReportTexts::tr(" @ Quantity Level")).printNumber(quantity);
}

void printPrices(PrintJob& job, const CenterAnalysis& a)
{
    job.printLine(ReverseReportTexts::tr("   Retail $/M are ") + money(a.retailPerThousand));
    job.printLine(ReverseReportTexts::tr("   With Retail Set-Up Price of ") + money(a.retailSetUpPrice) +
                  QStringLiteral(","));
    job.print(ReverseReportTexts::tr("   at a Cost Rate of ")).bold(true).print(money(a.hourlyCost)).bold(false);
    job.print(ReverseReportTexts::tr(" Per Hour and ")).bold(true).print(centertexts::markUpFigure(a)).bold(false);
    job.printLine(ReverseReportTexts::tr(" Percent Mark-Up.")).endLine();
}

void printCost(PrintJob& job, const CenterAnalysis& a)
{
    job.printLine(ReverseReportTexts::tr("   Your Cost before Mark-Up will be ") + money(a.costPerThousand) +
                  ReverseReportTexts::tr(" Per Thousand."));
    job.printLine(ReverseReportTexts::tr("   and ") + money(a.setUpCost) + ReverseReportTexts::tr(" as Set-Up Cost."));
    job.print(ReverseReportTexts::tr("   You will be using"))
        .bold(true)
        .printNumber(a.setUpMinutes.value())
        .bold(false);
    job.printLine(ReverseReportTexts::tr("Minutes for Set-Up Time.")).endLine();
}

void printTable(PrintJob& job, const CenterAnalysis& a)
{
    job.bold(true).underline(true).moveToColumn(3).print(ReverseReportTexts::tr("Quantity"));
    job.moveToColumn(33)
        .print(ReverseReportTexts::tr("Cost"))
        .moveToColumn(66)
        .printLine(ReverseReportTexts::tr("Retail"));
    job.endLine().bold(false).underline(false);
    for (const TableRow& row : a.rows) {
        // Three blanks before the hundreds and two from 1000 on, so up to 9999 all end in one column.
        job.print(row.quantity <= 500 ? kIndent : QStringLiteral("  ")).printNumber(row.quantity);
        job.moveToColumn(33).print(money(row.cost)).moveToColumn(66).printLine(money(row.retail));
    }
}

} // namespace

PrintJob reverseReport(const QString& name, const CenterAnalysis& analysis)
{
    PrintJob job;
    job.fontName(QStringLiteral("Courier New")).fontSize(9);
    printHeading(job, name);
    printSpeed(job, analysis.speed1, analysis.quantity1.value());
    job.printLine(ReverseReportTexts::tr("and"));
    printSpeed(job, analysis.speed2, analysis.quantity2.value());
    job.endLine();
    printPrices(job, analysis);
    printCost(job, analysis);
    printTable(job, analysis);
    return job.endDocument();
}

} // namespace report
