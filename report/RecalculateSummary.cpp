#include "report/RecalculateSummary.h"

#include "engine/ResultRecord.h"
#include "report/ChangeText.h"
#include "report/RateChangeTexts.h"
#include "textrules/DisplayPattern.h"

#include <QCoreApplication>
#include <QStringList>

using namespace textrules;
using namespace engine;

namespace report {

namespace {
struct RecalculateSummaryTexts {
    Q_DECLARE_TR_FUNCTIONS(RecalculateSummary)
};

using recalculation::PlannedCenter;

QString money(const std::optional<double>& value)
{
    if (!value)
        return RecalculateSummaryTexts::tr("(none)");
    return numbers::format(*value, numbers::kMoneyPattern);
}

// The plant-wide inputs (and the center's own figures) that the change comes from, in cents.
QString madeUpOf(const PlannedCenter& center, int level)
{
    if (!center.explanation)
        return {};
    const std::optional<ratechange::LevelChange>& change = center.explanation->at(level);
    return change ? ratechangetexts::partsText(*change) : QString();
}

QStringList levelRow(const PlannedCenter& center, int level)
{
    const std::optional<double> after = center.newRecord.rate(HourlyRate::B, level);
    std::optional<double> before;
    if (center.oldRecord)
        before = center.oldRecord->rate(HourlyRate::B, level);
    const QString percent = numbers::format(center.newRecord.efficiency(level), numbers::kPercentPattern);
    QString changed = RecalculateSummaryTexts::tr("no saved rate to compare");
    if (before && after)
        changed = changetext::change(*before, *after);
    return {center.name,   QStringLiteral("%1 (%2%)").arg(level).arg(percent),
            money(before), money(after),
            changed,       madeUpOf(center, level)};
}

QString centers(qsizetype count)
{
    return count == 1 ? RecalculateSummaryTexts::tr("1 center") : RecalculateSummaryTexts::tr("%1 centers").arg(count);
}

QStringList refusalLines(const recalculation::Plan& plan)
{
    QStringList lines;
    for (const recalculation::Refusal& refused : plan.refused)
        lines.append(QStringLiteral("%1: %2").arg(refused.name, refused.reason));
    return lines;
}

using recalculatesummary::kCentersNamed;
using recalculatesummary::Message;

// The lines under the heading: all of them, or the first ones and how many more, with the
// whole list as the details.
Message listed(QStringList lines, const QStringList& entries)
{
    if (entries.size() <= kCentersNamed)
        return {(lines + entries).join(u'\n'), {}};
    lines += entries.first(kCentersNamed);
    lines.append(RecalculateSummaryTexts::tr("... and %1 more (Show Details lists them all).")
                     .arg(entries.size() - kCentersNamed));
    return {lines.join(u'\n'), entries.join(u'\n')};
}

} // namespace

namespace recalculatesummary {

QString question(const recalculation::Plan& plan)
{
    QString text =
        RecalculateSummaryTexts::tr("Recalculate the rates of %1 from the input files and today's plant figures, "
                                    "and save them in place of the earlier rates?")
            .arg(centers(plan.centers.size()));
    if (!plan.refused.isEmpty())
        text += RecalculateSummaryTexts::tr("\n\n%1 cannot be recalculated and will keep what is saved.")
                    .arg(centers(plan.refused.size()));
    return text + RecalculateSummaryTexts::tr("\n\nShow Details lists the old and the new rate (B) of every level.");
}

TextTable details(const recalculation::Plan& plan)
{
    TextTable table{{RecalculateSummaryTexts::tr("Center"), RecalculateSummaryTexts::tr("Level"),
                     RecalculateSummaryTexts::tr("Old rate (B)"), RecalculateSummaryTexts::tr("New rate (B)"),
                     RecalculateSummaryTexts::tr("Change"), RecalculateSummaryTexts::tr("Made up of")},
                    {}};
    for (const PlannedCenter& center : plan.centers)
        for (int level = 1; level <= ResultRecord::kLevels; ++level)
            table.rows.append(levelRow(center, level));
    for (const recalculation::Refusal& refused : plan.refused)
        table.rows.append({refused.name, QString(), QString(), QString(),
                           RecalculateSummaryTexts::tr("cannot be recalculated: ") + refused.reason});
    return table;
}

Message nothingToDo(const recalculation::Plan& plan)
{
    if (!plan.plantProblem.isEmpty())
        return {RecalculateSummaryTexts::tr("Nothing was recalculated: %1").arg(plan.plantProblem), {}};
    return listed({RecalculateSummaryTexts::tr("No center can be recalculated.")}, refusalLines(plan));
}

Message outcome(const recalculation::Plan& plan, const recalculation::SaveOutcome& saved)
{
    QStringList lines;
    if (saved.cancelled)
        lines.append(RecalculateSummaryTexts::tr(
                         "Recalculating was stopped: %1 of %2 saved; the others keep their earlier rates.")
                         .arg(centers(saved.saved))
                         .arg(plan.centers.size()));
    if (saved.failures.isEmpty())
        return {lines.join(u'\n'), {}};
    lines.append(RecalculateSummaryTexts::tr("These rates could not be saved and keep their earlier values:"));
    QStringList failures;
    for (const recalculation::SaveFailure& failure : saved.failures)
        failures.append(QStringLiteral("%1: %2").arg(failure.name, failure.error));
    return listed(lines, failures);
}

} // namespace recalculatesummary

} // namespace report
