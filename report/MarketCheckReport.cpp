#include "report/MarketCheckReport.h"

#include "report/MarketCheckTexts.h"

#include <QCoreApplication>

using namespace pricing;

namespace report {

namespace {
struct MarketCheckReportTexts {
    Q_DECLARE_TR_FUNCTIONS(MarketCheckReport)
};

// The indent is printed apart from the text, so that a line the page breaks goes on under it.
PrintJob& indented(PrintJob& job, const QString& line)
{
    if (line.isEmpty())
        return job.endLine();
    return job.print(QStringLiteral("   ")).printLine(line);
}

} // namespace

PrintJob marketCheckReport(const QString& name, const CenterAnalysis& analysis, const marketcheck::MarketCheck& check)
{
    PrintJob job;
    job.fontName(QStringLiteral("Courier New")).fontSize(12).bold(true);
    indented(job, MarketCheckReportTexts::tr("MARKET CHECK FOR: ") + name).fontSize(9).bold(false).endLine();
    indented(job, marketchecktexts::marketLine(analysis));
    indented(job, marketchecktexts::pressLine(check)).endLine();
    for (const QString& line : marketchecktexts::figureLines(check))
        indented(job, line);
    job.endLine().bold(true);
    for (const QString& paragraph : marketchecktexts::verdict(check))
        indented(job, paragraph);
    constexpr double kPictureMillimetres = 100;
    job.bold(false).endLine().picture(QCoreApplication::translate("MarketCheckTexts", marketchecktexts::kPriceCaption),
                                      kPictureMillimetres, pagepicture::marketPrices(check));
    return job
        .picture(QCoreApplication::translate("MarketCheckTexts", marketchecktexts::kBreakEvenCaption),
                 kPictureMillimetres, pagepicture::breakEven(check))
        .endDocument();
}

} // namespace report
