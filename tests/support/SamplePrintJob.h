#pragma once

#include "report/PrintJob.h"

// A short page that uses every printer operation: faces, columns, a column already passed,
// printed numbers and underlining.
inline report::PrintJob samplePrintJob()
{
    report::PrintJob job;
    job.fontName("Courier New").fontSize(9).print("   ").fontSize(12).bold(true);
    job.printLine("HEADING FOR: Kord").fontSize(9).bold(false);
    job.print("       ").print("100").moveToColumn(20).print("3904").moveToColumn(32).printLine("$64.91");
    job.print("a long text that runs past").moveToColumn(10).printLine("next");
    job.print("   You will be using").bold(true).printNumber(32).bold(false).printLine("Minutes");
    job.underline(true).moveToColumn(3).print("Quantity").moveToColumn(3).print("x").underline(false).endLine();
    job.endLine().printNumber(-0.5).endDocument();
    return job;
}
