#include "report/JobCostTexts.h"

#include "textrules/DisplayPattern.h"
#include "textrules/ReadingHint.h"

#include <QCoreApplication>
#include <algorithm>

using namespace textrules;
using namespace engine;
using namespace pricing;

namespace report {

using namespace jobcost;

namespace jobcosttexts {
namespace {
struct JobCostTextsTexts {
    Q_DECLARE_TR_FUNCTIONS(JobCostTexts)
};

const QString kUpToTwoDecimals = QStringLiteral("###,###,###,##0.##");

struct BoxWords {
    QString what;
    QString unit;
};

BoxWords wordsFor(Box box)
{
    switch (box) {
    case Box::Quantity:
        return {JobCostTextsTexts::tr("quantity"), JobCostTextsTexts::tr("pieces")};
    case Box::MarkUp:
        return {JobCostTextsTexts::tr("mark-up"), JobCostTextsTexts::tr("percent")};
    case Box::Speed:
        return {JobCostTextsTexts::tr("speed"), JobCostTextsTexts::tr("impressions per hour")};
    case Box::SetUp:
        break;
    }
    return {JobCostTextsTexts::tr("set-up time"), JobCostTextsTexts::tr("minutes")};
}

// "a", "a and b", "a, b and c".
QString listed(const QStringList& items)
{
    if (items.size() < 2)
        return items.join(QString());
    return items.mid(0, items.size() - 1).join(QStringLiteral(", ")) + JobCostTextsTexts::tr(" and ") + items.last();
}

// Why a press figure keeps its center from being costed, in a few words.
QString pressFigureGap(Box box, const Figure& figure, const QString& typed)
{
    const BoxWords words = wordsFor(box);
    switch (figure.reading) {
    case Figure::Reading::Accepted:
    case Figure::Reading::Missing:
        return QString();
    case Figure::Reading::NotANumber:
        return JobCostTextsTexts::tr("%1 \"%2\" is not a number").arg(words.what, typed);
    case Figure::Reading::TooLarge:
        return JobCostTextsTexts::tr("%1 too large").arg(words.what);
    case Figure::Reading::OutOfRange:
        break;
    }
    return JobCostTextsTexts::tr("%1 must be %2 0")
        .arg(words.what, mayBeZero(box) ? JobCostTextsTexts::tr("at least") : JobCostTextsTexts::tr("above"));
}

QStringList gapNotes(const CenterCost& center)
{
    QStringList missing;
    QStringList wrong;
    for (const Gap gap : center.gaps) {
        switch (gap) {
        case Gap::NoResultFile:
            missing << JobCostTextsTexts::tr("result file (Calculate BHR)");
            break;
        case Gap::UnreadableResults:
            wrong << center.stateText;
            break;
        case Gap::NoRates:
            wrong << JobCostTextsTexts::tr("its results hold no rate (B)");
            break;
        case Gap::Speed:
        case Gap::SetUp: {
            const bool speed = gap == Gap::Speed;
            const Figure& figure = speed ? center.speed : center.setUpMinutes;
            if (figure.reading == Figure::Reading::Missing)
                missing << wordsFor(speed ? Box::Speed : Box::SetUp).what;
            else
                wrong << pressFigureGap(speed ? Box::Speed : Box::SetUp, figure,
                                        speed ? center.typed.speed : center.typed.setUpMinutes);
            break;
        }
        }
    }
    if (!missing.isEmpty())
        wrong.prepend(JobCostTextsTexts::tr("missing: ") + missing.join(QStringLiteral(", ")));
    return wrong;
}

// A typed press figure that is read otherwise than it looks, such as 8,000 read as 8.
QStringList readingNotes(const CenterCost& center)
{
    QStringList notes;
    for (const auto& [box, typed] :
         {std::pair{Box::Speed, center.typed.speed}, {Box::SetUp, center.typed.setUpMinutes}})
        if (const QString hint = readinghint::forText(typed); !hint.isEmpty())
            notes << wordsFor(box).what + u' ' + hint;
    return notes;
}

QString column(const QString& text, int width)
{
    return text.rightJustified(width);
}

} // namespace

QString money(double value)
{
    return numbers::format(value, numbers::kMoneyPattern);
}

QString hours(double value)
{
    return numbers::format(value, numbers::kGroupedPattern);
}

QString pieces(double value)
{
    return numbers::format(value, kUpToTwoDecimals) +
           (value == 1 ? JobCostTextsTexts::tr(" piece") : JobCostTextsTexts::tr(" pieces"));
}

QString percent(double value)
{
    return numbers::format(value, kUpToTwoDecimals) + QStringLiteral(" %");
}

QString figure(double value)
{
    return numbers::format(value, kUpToTwoDecimals);
}

QString figureProblem(Box box, const Figure& figure, const QString& typed)
{
    const BoxWords words = wordsFor(box);
    switch (figure.reading) {
    case Figure::Reading::Accepted:
        return QString();
    case Figure::Reading::Missing:
        return JobCostTextsTexts::tr("Type the job's %1 in %2.").arg(words.what, words.unit);
    case Figure::Reading::NotANumber:
        return JobCostTextsTexts::tr("The %1 \"%2\" is not a number: type the job's %1 in %3.")
            .arg(words.what, typed, words.unit);
    case Figure::Reading::TooLarge:
        return JobCostTextsTexts::tr("The %1 is too large a number.").arg(words.what);
    case Figure::Reading::OutOfRange:
        break;
    }
    return JobCostTextsTexts::tr("The %1 must be %2 0 %3; \"%4\" reads as %5.")
        .arg(words.what, mayBeZero(box) ? JobCostTextsTexts::tr("at least") : JobCostTextsTexts::tr("above"),
             words.unit, typed, numbers::format(figure.value, kUpToTwoDecimals));
}

QString levelName(const Costing& costing, int level)
{
    std::optional<double> shared;
    for (const CenterCost& center : costing.centers) {
        const std::optional<double>& efficiency = center.efficiency[level - 1];
        if (!center.ready() || !center.rateB[level - 1])
            continue;
        if (shared && efficiency != shared)
            return JobCostTextsTexts::tr("level %1").arg(level);
        shared = efficiency;
    }
    return shared ? JobCostTextsTexts::tr("level %1 (%2)").arg(level).arg(percent(*shared))
                  : JobCostTextsTexts::tr("level %1").arg(level);
}

QString centerNote(const Costing& costing, const CenterCost& center, int level)
{
    if (!center.ready())
        return gapNotes(center).join(QStringLiteral("; "));
    QStringList notes;
    if (costing.isCheapest(center, level))
        notes << JobCostTextsTexts::tr("cheapest");
    if (center.state != plantoverview::CenterState::Current)
        notes << center.stateText;
    if (center.hours && !center.cost[level - 1])
        notes << JobCostTextsTexts::tr("no rate (B) at level %1").arg(level);
    notes << readingNotes(center);
    return notes.join(QStringLiteral("; "));
}

QString verdict(const Costing& costing, int level, const Job& job, bool anyListed)
{
    if (!anyListed)
        return JobCostTextsTexts::tr("No equipment is listed yet: calculate a center's rates first.");
    const qsizetype notCosted = costing.centers.size() - costing.readyCount;
    const QString others =
        notCosted == 0 ? QString()
        : notCosted == 1
            ? JobCostTextsTexts::tr(" 1 center is not costed: its note in the table says why.")
            : JobCostTextsTexts::tr(" %1 centers are not costed: their notes in the table say why.").arg(notCosted);
    if (costing.readyCount == 0)
        return JobCostTextsTexts::tr(
                   "No center can be costed yet: each needs its saved rates, a speed and a set-up time, "
                   "typed in the table.") +
               others;
    const QList<const CenterCost*> sorted = costing.byCost(level);
    if (sorted.isEmpty())
        return JobCostTextsTexts::tr("No center has a rate (B) at level %1.").arg(level) + others;
    QStringList cheapest;
    for (const CenterCost* center : sorted)
        if (costing.isCheapest(*center, level))
            cheapest << center->name;
    const CenterCost& first = *sorted.first();
    QString sentence = JobCostTextsTexts::tr("Cheapest at %1: %2, %3 for %4 in %5 press hours")
                           .arg(levelName(costing, level), listed(cheapest), money(*first.cost[level - 1]),
                                pieces(job.quantity), hours(*first.hours));
    if (job.markUp)
        sentence += JobCostTextsTexts::tr(", quoted at %1 with %2 mark-up")
                        .arg(money(*first.price[level - 1]), percent(*job.markUp * 100));
    return sentence + u'.' + others;
}

QStringList priceListLines(const CenterCost& center, int level, const Job& job)
{
    const QList<PriceListRow> rows = priceList(center, level, job);
    if (rows.isEmpty())
        return {};
    QStringList lines{column(JobCostTextsTexts::tr("Quantity"), 12) + column(JobCostTextsTexts::tr("Hours"), 10) +
                      column(JobCostTextsTexts::tr("Cost"), 14) + column(JobCostTextsTexts::tr("Price"), 14) +
                      column(JobCostTextsTexts::tr("Per 1,000"), 12)};
    for (const PriceListRow& row : rows) {
        const QString price = row.price ? money(*row.price) : QString();
        const QString perThousand = row.price ? money(*row.price / row.quantity * 1000) : QString();
        lines << column(numbers::format(row.quantity, kUpToTwoDecimals), 12) + column(hours(row.hours), 10) +
                     column(money(row.cost), 14) + column(price, 14) + column(perThousand, 12);
    }
    return lines;
}

} // namespace jobcosttexts

} // namespace report
