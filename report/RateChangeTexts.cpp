#include "report/RateChangeTexts.h"

#include "engine/ResultRecord.h"
#include "report/ChangeText.h"
#include "report/PrintedTable.h"
#include "store/BoxWords.h"
#include "textrules/DisplayPattern.h"

#include <QCoreApplication>
#include <algorithm>
#include <cstdlib>

using namespace textrules;
using namespace store;
using namespace engine;

namespace report {

namespace ratechangetexts {
namespace {
struct RateChangeTextsTexts {
    Q_DECLARE_TR_FUNCTIONS(RateChangeTexts)
};

using ratechange::LevelChange;

QString money(qint64 cents)
{
    return changetext::signedMoney(static_cast<double>(cents) / 100);
}

QString partName(const ratechange::Part& part)
{
    return part.box ? inputboxes::shortName(*part.box) : RateChangeTextsTexts::tr("own figures");
}

QStringList centerRow(const stalecenters::Explained& center, int level)
{
    const QString saved = numbers::formatResult(center.saved.rate(HourlyRate::B, level), numbers::kMoneyPattern);
    if (!center.explanation)
        return {center.name, saved, QString(), QString(),
                RateChangeTextsTexts::tr("cannot be read: ") + center.problem};
    const std::optional<LevelChange>& change = center.explanation->at(level);
    if (!change)
        return {center.name, saved, QString(), QString(),
                RateChangeTextsTexts::tr(
                    "cannot be split: the formulas give no rate (B) at this level for the old or the new "
                    "figures")};
    return {center.name, saved, numbers::format(change->after, numbers::kMoneyPattern),
            changetext::change(change->before, change->after), partsText(*change)};
}

} // namespace

QString levelName(const ResultRecord& record, int level)
{
    return RateChangeTextsTexts::tr("level %1 (%2%)")
        .arg(level)
        .arg(numbers::format(record.efficiency(level), numbers::kPercentPattern));
}

QList<ShownPart> shownParts(const LevelChange& change)
{
    const QList<qint64> cents = ratechange::partsInCents(change);
    QList<ShownPart> parts;
    for (qsizetype i = 0; i < change.parts.size(); ++i)
        parts.append({partName(change.parts[i]), cents[i]});
    std::stable_sort(parts.begin(), parts.end(),
                     [](const ShownPart& a, const ShownPart& b) { return std::llabs(a.cents) > std::llabs(b.cents); });
    return parts;
}

QString partsText(const LevelChange& change)
{
    QStringList texts;
    for (const ShownPart& part : shownParts(change))
        texts.append(part.name + u' ' + money(part.cents));
    return texts.join(QStringLiteral(", "));
}

QString sentence(const LevelChange& change)
{
    const qint64 whole = ratechange::cents(change.whole());
    if (whole == 0 && change.parts.isEmpty())
        return RateChangeTextsTexts::tr("no change");
    const QString parts = partsText(change);
    return parts.isEmpty() ? money(whole) : money(whole) + QStringLiteral(": ") + parts;
}

QString methodLine(const ratechange::Explanation& explanation)
{
    if (explanation.method == ratechange::Method::InTabOrder)
        return RateChangeTextsTexts::tr(
                   "More than %1 inputs changed: each took its new figure in turn, in the order of the "
                   "tab, and its part is the change it made then.")
            .arg(ratechange::kMostAveraged);
    return RateChangeTextsTexts::tr(
        "Each input's part is the change it makes when it takes its new figure, averaged over "
        "every order in which the changed inputs could take theirs; the parts add up to the whole.");
}

QList<Step> waterfall(const LevelChange& change)
{
    QList<Step> steps{{RateChangeTextsTexts::tr("Saved"), 0, change.before, true}};
    qint64 reached = ratechange::cents(change.before);
    for (const ShownPart& part : shownParts(change)) {
        steps.append({part.name, reached / 100.0, (reached + part.cents) / 100.0, false});
        reached += part.cents;
    }
    steps.append({RateChangeTextsTexts::tr("Today"), 0, change.after, true});
    return steps;
}

std::optional<pagepicture::RateSteps> picture(const stalecenters::Explained& center, int level)
{
    if (!center.explanation || !center.explanation->at(level))
        return std::nullopt;
    const LevelChange& change = *center.explanation->at(level);
    return pagepicture::RateSteps{QStringLiteral("%1: %2").arg(center.name, sentence(change)), waterfall(change)};
}

TextTable table(const QList<stalecenters::Explained>& centers, int level)
{
    TextTable shown{{RateChangeTextsTexts::tr("Center"), RateChangeTextsTexts::tr("Saved rate (B)"),
                     RateChangeTextsTexts::tr("Today's rate (B)"), RateChangeTextsTexts::tr("Change"),
                     RateChangeTextsTexts::tr("Made up of")},
                    {}};
    for (const stalecenters::Explained& center : centers)
        shown.rows.append(centerRow(center, level));
    return shown;
}

PrintJob printed(const QList<stalecenters::Explained>& centers, int level, int year, const QString& chosen)
{
    constexpr double kPictureMillimetres = 100;
    PrintJob job;
    job.landscape().fontName(QStringLiteral("Courier New")).fontSize(12).bold(true);
    job.printLine(RateChangeTextsTexts::tr("Why Rates Moved %1").arg(year)).bold(false).fontSize(8).endLine();
    job.printLine(RateChangeTextsTexts::tr(
                      "The change in rate (B) at level %1 of each stale center since its rates were saved, "
                      "split over the plant-wide inputs that changed.")
                      .arg(level))
        .endLine();
    using printedtable::Align;
    printedtable::print(job, table(centers, level), {Align::Left, Align::Right, Align::Right, Align::Right});
    job.endLine();
    QStringList methods;
    for (const stalecenters::Explained& center : centers)
        if (center.explanation && !methods.contains(methodLine(*center.explanation)))
            methods.append(methodLine(*center.explanation));
    for (const QString& method : methods)
        job.printLine(method);
    for (const stalecenters::Explained& center : centers)
        if (const auto shown = center.name == chosen ? picture(center, level) : std::nullopt)
            job.picture(shown->title, kPictureMillimetres, *shown);
    return job.endDocument();
}

} // namespace ratechangetexts

} // namespace report
