#include "report/ReverseReport.h"

#include "report/CenterTexts.h"

using namespace pricing;

namespace report {

using centertexts::money;

namespace {

const QString kIndent = QStringLiteral("   ");

void printHeading(PrintJob& job, const QString& name)
{
    job.print(kIndent).fontSize(12).bold(true).printLine(QStringLiteral("REVERSE ENGINEERING ANALYSIS FOR: ") + name);
    job.endLine().fontSize(9).bold(false);
    job.print(QStringLiteral("   The Equipment Specified as ")).bold(true).printLine(name).bold(false);
    job.printLine(QStringLiteral("   Will Have A Rated Straight Line Speed of"));
}

void printSpeed(PrintJob& job, const std::optional<double>& speed, int quantity)
{
    job.bold(true).print(kIndent + centertexts::digits(speed)).bold(false);
    job.print(QStringLiteral(" @ Quantity Level")).printNumber(quantity);
}

void printPrices(PrintJob& job, const CenterAnalysis& a)
{
    job.printLine(QStringLiteral("   Retail $/M are ") + money(a.retailPerThousand));
    job.printLine(QStringLiteral("   With Retail Set-Up Price of ") + money(a.retailSetUpPrice) + QStringLiteral(","));
    job.print(QStringLiteral("   at a Cost Rate of ")).bold(true).print(money(a.hourlyCost)).bold(false);
    job.print(QStringLiteral(" Per Hour and ")).bold(true).print(centertexts::markUpFigure(a)).bold(false);
    job.printLine(QStringLiteral(" Percent Mark-Up.")).endLine();
}

void printCost(PrintJob& job, const CenterAnalysis& a)
{
    job.printLine(QStringLiteral("   Your Cost before Mark-Up will be ") + money(a.costPerThousand) +
                  QStringLiteral(" Per Thousand."));
    job.printLine(QStringLiteral("   and ") + money(a.setUpCost) + QStringLiteral(" as Set-Up Cost."));
    job.print(QStringLiteral("   You will be using")).bold(true).printNumber(a.setUpMinutes.value()).bold(false);
    job.printLine(QStringLiteral("Minutes for Set-Up Time.")).endLine();
}

void printTable(PrintJob& job, const CenterAnalysis& a)
{
    job.bold(true).underline(true).moveToColumn(3).print(QStringLiteral("Quantity"));
    job.moveToColumn(33).print(QStringLiteral("Cost")).moveToColumn(66).printLine(QStringLiteral("Retail"));
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
    job.printLine(QStringLiteral("and"));
    printSpeed(job, analysis.speed2, analysis.quantity2.value());
    job.endLine();
    printPrices(job, analysis);
    printCost(job, analysis);
    printTable(job, analysis);
    return job.endDocument();
}

} // namespace report
