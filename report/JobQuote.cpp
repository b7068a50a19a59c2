#include "report/JobQuote.h"

#include "report/JobCostTexts.h"

#include <QCoreApplication>

using namespace pricing;

namespace report {

namespace texts = jobcosttexts;

namespace {
struct JobQuoteTexts {
    Q_DECLARE_TR_FUNCTIONS(JobQuote)
};

constexpr int kLabelWidth = 20;

// The indent is printed apart from the text, so that a line the page breaks goes on under it.
PrintJob& indented(PrintJob& job, const QString& line)
{
    if (line.isEmpty())
        return job.endLine();
    return job.print(QStringLiteral("   ")).printLine(line);
}

PrintJob& labelled(PrintJob& job, const QString& label, const QString& value)
{
    return indented(job, (label + u':').leftJustified(kLabelWidth) + value);
}

} // namespace

PrintJob jobQuote(const QString& description, const jobcost::Job& job, const jobcost::CenterCost& center, int level)
{
    const int i = level - 1;
    const marketcheck::OwnPress press = center.press();
    PrintJob page;
    page.fontName(QStringLiteral("Courier New")).fontSize(12).bold(true);
    indented(page, description.isEmpty() ? JobQuoteTexts::tr("QUOTE") : JobQuoteTexts::tr("QUOTE: ") + description)
        .fontSize(10)
        .bold(false)
        .endLine();
    labelled(page, JobQuoteTexts::tr("Quantity"), texts::pieces(job.quantity));
    labelled(page, JobQuoteTexts::tr("Center"), center.name);
    labelled(page, JobQuoteTexts::tr("Efficiency"),
             JobQuoteTexts::tr("level %1, %2, rate (B) %3 per hour")
                 .arg(level)
                 .arg(texts::percent(center.efficiency[i].value_or(0)), texts::money(*center.rateB[i])));
    labelled(page, JobQuoteTexts::tr("Press"),
             JobQuoteTexts::tr("%1 impressions per hour, %2 minutes of set-up")
                 .arg(texts::figure(press.speed), texts::figure(press.setUpMinutes)));
    labelled(page, JobQuoteTexts::tr("Press hours"),
             JobQuoteTexts::tr("%1 set-up + %2 run = %3")
                 .arg(texts::hours(press.setUpHours()), texts::hours(job.quantity / press.speed),
                      texts::hours(*center.hours)))
        .endLine();
    labelled(page, JobQuoteTexts::tr("Cost"), texts::money(*center.cost[i]));
    labelled(page, JobQuoteTexts::tr("Mark-up"), texts::percent(*job.markUp * 100));
    page.bold(true);
    labelled(page, JobQuoteTexts::tr("Price"), texts::money(*center.price[i])).bold(false).endLine();
    indented(page, JobQuoteTexts::tr("Price list, for more or fewer pieces:"));
    for (const QString& line : texts::priceListLines(center, level, job))
        indented(page, line);
    return page.endDocument();
}

} // namespace report
