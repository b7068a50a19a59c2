#include "report/RateDriversTexts.h"

#include "report/ChangeText.h"
#include "report/PrintedTable.h"
#include "report/RateChangeTexts.h"
#include "store/BoxWords.h"
#include "textrules/DisplayPattern.h"

#include <QCoreApplication>

using namespace textrules;
using namespace store;
using namespace engine;

namespace report {

namespace ratedriverstexts {
namespace {
struct RateDriversTextsTexts {
    Q_DECLARE_TR_FUNCTIONS(RateDriversTexts)
};

QString money(const std::optional<double>& value)
{
    if (!value)
        return RateDriversTextsTexts::tr("(none)");
    return numbers::format(*value, numbers::kMoneyPattern);
}

QString changed(const std::optional<double>& before, const std::optional<double>& after)
{
    return before && after ? changetext::change(*before, *after) : QString();
}

QString levelOf(const std::optional<ResultRecord>& record, int level)
{
    return record ? ratechangetexts::levelName(*record, level) : RateDriversTextsTexts::tr("level %1").arg(level);
}

struct RateKind {
    const char* name;
    HourlyRate rate;
};
constexpr RateKind kRates[] = {{"(A)", HourlyRate::A}, {"(B)", HourlyRate::B}, {"(C)", HourlyRate::C}};

std::optional<double> rateIn(const std::optional<ResultRecord>& record, HourlyRate rate, int level)
{
    return record ? record->rate(rate, level) : std::nullopt;
}

void printTables(PrintJob& job, const ratedrivers::Drivers& drivers, const InputTexts& texts)
{
    using printedtable::Align;
    const QList<Align> figures = {Align::Left, Align::Right, Align::Right, Align::Right, Align::Right, Align::Right};
    printedtable::print(job, table(drivers, texts), figures);
    if (const QString still = stillLine(drivers); !still.isEmpty())
        job.endLine().printLine(still);
}

void printWhatIf(PrintJob& job, const std::optional<ResultRecord>& saved, const InputTexts& savedTexts,
                 const InputTexts& whatIfTexts, const std::optional<ResultRecord>& whatIf)
{
    using printedtable::Align;
    job.endLine().bold(true).printLine(RateDriversTextsTexts::tr("What if")).bold(false);
    printedtable::print(job, changedInputs(savedTexts, whatIfTexts), {Align::Left, Align::Right, Align::Right});
    job.endLine();
    printedtable::print(job, whatIfTable(saved, whatIf), {Align::Left, Align::Right, Align::Right, Align::Right});
}

} // namespace

QString heading(const std::optional<ResultRecord>& record, int level)
{
    return RateDriversTextsTexts::tr("What drives rate (B) at ") + levelOf(record, level);
}

TextTable table(const ratedrivers::Drivers& drivers, const InputTexts& texts)
{
    TextTable shown{{RateDriversTextsTexts::tr("Input"), RateDriversTextsTexts::tr("Figure"),
                     RateDriversTextsTexts::tr("Rate at -10%"), RateDriversTextsTexts::tr("Rate at +10%"),
                     RateDriversTextsTexts::tr("Change at -10%"), RateDriversTextsTexts::tr("Change at +10%")},
                    {}};
    for (const ratedrivers::Driver& driver : drivers.moving)
        shown.rows.append({inputboxes::shortName(driver.box), texts[driver.box], money(driver.down), money(driver.up),
                           changed(drivers.rate, driver.down), changed(drivers.rate, driver.up)});
    return shown;
}

QString stillLine(const ratedrivers::Drivers& drivers)
{
    if (!drivers.rate || drivers.still.isEmpty()) // without a rate nothing moves it, and nothing is worth listing
        return {};
    QStringList names;
    for (const InputBox box : drivers.still)
        names.append(inputboxes::shortName(box));
    return RateDriversTextsTexts::tr("These inputs do not move it at all: ") + names.join(QStringLiteral(", ")) + u'.';
}

TextTable whatIfTable(const std::optional<ResultRecord>& saved, const std::optional<ResultRecord>& whatIf)
{
    TextTable shown{{RateDriversTextsTexts::tr("Rate"), RateDriversTextsTexts::tr("Saved"),
                     RateDriversTextsTexts::tr("What if"), RateDriversTextsTexts::tr("Difference")},
                    {}};
    for (const RateKind& kind : kRates)
        for (int level = 1; level <= ResultRecord::kLevels; ++level) {
            const std::optional<double> before = rateIn(saved, kind.rate, level);
            const std::optional<double> after = rateIn(whatIf, kind.rate, level);
            shown.rows.append({QString::fromLatin1(kind.name) + u' ' + levelOf(saved ? saved : whatIf, level),
                               money(before), money(after), changed(before, after)});
        }
    return shown;
}

TextTable changedInputs(const InputTexts& saved, const InputTexts& whatIf)
{
    TextTable shown{
        {RateDriversTextsTexts::tr("Input"), RateDriversTextsTexts::tr("Saved"), RateDriversTextsTexts::tr("What if")},
        {}};
    for (const inputboxes::Entry& entry : inputboxes::all())
        if (saved[entry.box] != whatIf[entry.box])
            shown.rows.append({inputboxes::shortName(entry.box), saved[entry.box], whatIf[entry.box]});
    return shown;
}

PrintJob printed(const PrintedDrivers& page)
{
    constexpr double kPictureMillimetres = 85;
    const bool whatIf = page.texts != page.savedTexts;
    const QString heading = ratedriverstexts::heading(page.whatIf, page.drivers.level);
    PrintJob job;
    job.fontName(QStringLiteral("Courier New")).fontSize(12).bold(true);
    job.printLine(RateDriversTextsTexts::tr("WHAT DRIVES THE RATE OF: ") + page.name).fontSize(8).bold(false).endLine();
    job.printLine(heading + RateDriversTextsTexts::tr(", each input moved 10% down and 10% up") +
                  (whatIf ? RateDriversTextsTexts::tr(", with the what-if figures below") : QString()));
    job.picture(heading, kPictureMillimetres, pagepicture::RateDrivers{page.drivers}).endLine();
    printTables(job, page.drivers, page.texts);
    if (whatIf)
        printWhatIf(job, page.saved, page.savedTexts, page.texts, page.whatIf);
    return job.endLine().endDocument();
}

} // namespace ratedriverstexts

} // namespace report
