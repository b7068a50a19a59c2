#include "engine/RecalculateAll.h"

#include "engine/CenterRecompute.h"
#include "engine/ResultFile.h"
#include "store/EquipmentList.h"
#include "store/FileNames.h"
#include "store/SharedFiles.h"

#include <QCoreApplication>
#include <QHash>
#include <QSet>

using namespace store;

namespace engine {

namespace recalculation {
namespace {
struct RecalculateAllTexts {
    Q_DECLARE_TR_FUNCTIONS(RecalculateAll)
};

using centerrecompute::Recomputed;

bool sameInputFiles(const QStringList& names)
{
    for (const QString& name : names)
        if (filenames::stem(name) != filenames::stem(names.first()))
            return false;
    return true;
}

// Why a name that shares its result file with others is not worked out on its own, or an empty
// text when it is the one that stands for them all.
QString sharingReason(const QString& name, const QStringList& group)
{
    if (group.size() < 2)
        return {};
    QStringList others = group;
    others.removeAll(name);
    const QString listed = others.join(QStringLiteral(", "));
    // Names with different input files would each put their own figures in the one result file,
    // and nothing tells which of them saved it last.
    if (!sameInputFiles(group))
        return RecalculateAllTexts::tr(
                   "%1 shares its result file %2 with %3, whose input files differ; calculate the one "
                   "it belongs to with Calculate BHR.")
            .arg(name, filenames::resultFile(name), listed);
    if (group.first() != name)
        return RecalculateAllTexts::tr("%1 uses the same files as %2, which is recalculated in its place.")
            .arg(name, group.first());
    return {};
}

QString overflowReason(const QString& name)
{
    return RecalculateAllTexts::tr(
               "The formulas stop for %1 (a division of 0 by 0, or a number too large): fill out all "
               "necessary info on it and calculate it with Calculate BHR.")
        .arg(name);
}

} // namespace

Plan plan(const DataFolder& folder)
{
    Plan plan;
    const equipmentlist::Loaded list = equipmentlist::load(folder);
    if (!list.complete) {
        plan.plantProblem =
            !list.damage.isEmpty()
                ? list.damage
                : RecalculateAllTexts::tr("The equipment list %1 could not be read.").arg(filenames::kListFile);
        return plan;
    }
    const centerrecompute::PlantTexts plant = centerrecompute::readPlant(folder);
    if (!plant.ok()) {
        plan.plantProblem = plant.problem;
        return plan;
    }
    const QStringList names = equipmentlist::distinctNames(list.names);
    const QHash<QString, QStringList> groups = sharedfiles::namesByResultFile(names);
    for (const QString& name : names) {
        if (const QString problem = filenames::nameProblem(name); !problem.isEmpty()) {
            plan.refused.append({name, problem});
            continue;
        }
        if (const QString reason = sharingReason(name, groups.value(filenames::resultFile(name))); !reason.isEmpty()) {
            plan.refused.append({name, reason});
            continue;
        }
        const Recomputed recomputed = centerrecompute::recompute(folder, plant, name);
        switch (recomputed.kind) {
        case Recomputed::Kind::Completed:
            break;
        case Recomputed::Kind::Overflow:
            plan.refused.append({name, overflowReason(name)});
            continue;
        case Recomputed::Kind::MissingInput:
        case Recomputed::Kind::Unreadable:
            plan.refused.append({name, recomputed.problem});
            continue;
        }
        PlannedCenter center{name, std::nullopt, recomputed.record, std::nullopt};
        // An unreadable result file has no old figures to show; the new record replaces it whole.
        if (const LoadedRecord old = loadResultFile(folder, name); old.ok()) {
            center.oldRecord = old.record;
            center.explanation = ratechange::explainSaved(recomputed.texts, old.record);
        }
        plan.centers.append(center);
    }
    return plan;
}

SaveOutcome save(const DataFolder& folder, const Plan& plan, const std::function<bool(int done, int total)>& proceed)
{
    // A plan holds each result file once; one put together by hand must still not write a file twice.
    QList<DataFolder::FileContent> files;
    QList<QString> names;
    QSet<QString> planned;
    for (const PlannedCenter& center : plan.centers) {
        DataFolder::FileContent file = resultFileContent(center.name, center.newRecord);
        if (planned.contains(file.fileName))
            continue;
        planned.insert(file.fileName);
        files.append(file);
        names.append(center.name);
    }
    const DataFolder::ReplacedTogether replaced = folder.replaceTogether(files, proceed);
    SaveOutcome outcome;
    outcome.cancelled = replaced.cancelled;
    for (qsizetype i = 0; i < replaced.results.size(); ++i) {
        if (replaced.results.at(i).ok())
            ++outcome.saved;
        else
            outcome.failures.append({names.at(i), replaced.results.at(i).error});
    }
    return outcome;
}

} // namespace recalculation

} // namespace engine
