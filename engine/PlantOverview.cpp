#include "engine/PlantOverview.h"

#include "engine/BudgetInputs.h"
#include "engine/CenterRecompute.h"
#include "engine/PlantChanges.h"
#include "engine/ResultFile.h"
#include "store/BoxWords.h"
#include "store/EquipmentList.h"
#include "store/FileNames.h"
#include "store/SharedFiles.h"
#include "textrules/NumberText.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QHash>

using namespace textrules;
using namespace store;

namespace engine {

namespace plantoverview {
namespace {
struct PlantOverviewTexts {
    Q_DECLARE_TR_FUNCTIONS(PlantOverview)
};

// The words that name a changed input, translated once before the loop over the centers.
struct InputWords {
    BoxTable<QString> prompts = inputboxes::promptsInSentence();
    QString motors = PlantOverviewTexts::tr("Horsepower and usage of the motors");
};

QStringList changedInputs(const plantchanges::TodaysPlant& today, const ResultRecord& saved, const InputWords& words)
{
    QStringList changed;
    for (const InputBox box : today.changedSince(saved))
        changed.append(words.prompts[box]);
    return changed;
}

// A figure of the result record that one of the center's own inputs feeds: a box's own figure,
// or with no box the effective horsepower of the motors.
struct OwnFigure {
    std::optional<InputBox> box;
    double of(const ResultRecord& record) const
    {
        return box ? *savedFigure(record, *box) : record.effectiveHorsepower();
    }
    const QString& words(const InputWords& words) const { return box ? words.prompts[*box] : words.motors; }
};

// The center's own boxes that feed a figure, and its motors, which feed the formulas through the
// effective horsepower.
const QList<OwnFigure>& ownFigures()
{
    static const QList<OwnFigure> fed = [] {
        QList<OwnFigure> found;
        for (const inputboxes::Entry& entry : inputboxes::all())
            if (entry.file != inputboxes::BoxFile::Plant && slotFedBy(entry.box))
                found.append({entry.box});
        found.append({std::nullopt});
        return found;
    }();
    return fed;
}

// The center's own inputs whose saved texts no longer give what its result file holds: typed and
// saved since without a result (the formulas stopped), or imported from a spreadsheet. Both sides
// are compared to the 15 digits the result file keeps. A center whose input files cannot be worked
// out whole is judged by the plant figures alone.
QStringList changedOwnInputs(const DataFolder& folder, const centerrecompute::PlantTexts& plant, const QString& name,
                             const ResultRecord& saved, const InputWords& words)
{
    const centerrecompute::Recomputed today = centerrecompute::recompute(folder, plant, name);
    if (today.kind != centerrecompute::Recomputed::Kind::Completed)
        return {};
    QStringList changed;
    for (const OwnFigure& own : ownFigures())
        if (numbers::printForm(own.of(today.record)) != numbers::printForm(own.of(saved)) &&
            !changed.contains(own.words(words)))
            changed.append(own.words(words));
    return changed;
}

void readResults(const DataFolder& folder, CenterRow& row)
{
    const QString fileName = filenames::resultFile(row.name);
    LoadedRecord loaded = loadResultFile(folder, row.name);
    if (loaded.ok()) {
        row.record = loaded.record;
        return;
    }
    if (QFileInfo::exists(folder.filePath(fileName))) {
        row.state = CenterState::Unreadable;
        row.problem = loaded.error;
    }
}

// Saved results are current only when today's plant figures could be read and match them.
CenterState judged(CenterRow& row, const centerrecompute::PlantTexts& plant)
{
    if (!plant.ok()) {
        row.problem = plant.problem;
        return CenterState::Unknown;
    }
    return row.changedInputs.isEmpty() ? CenterState::Current : CenterState::Stale;
}

} // namespace

Overview read(const DataFolder& folder)
{
    Overview overview;
    const equipmentlist::Loaded list = equipmentlist::load(folder);
    overview.listRead = list.complete || !list.damage.isEmpty();
    overview.listProblem = list.damage;
    if (!overview.listRead)
        return overview;

    const centerrecompute::PlantTexts plant = centerrecompute::readPlant(folder);
    overview.plantProblem = plant.problem;
    const plantchanges::TodaysPlant today(plant.texts);

    const QStringList names = equipmentlist::distinctNames(list.names);
    const QHash<QString, QStringList> groups = sharedfiles::namesByResultFile(names);
    const InputWords words;
    overview.centers.reserve(names.size());
    for (const QString& name : names) {
        CenterRow row;
        row.name = name;
        if (const QString problem = filenames::nameProblem(name); !problem.isEmpty()) {
            row.state = CenterState::Unreadable;
            row.problem = problem;
            overview.centers.append(row);
            continue;
        }
        readResults(folder, row);
        row.sharingWith = groups.value(filenames::resultFile(name));
        row.sharingWith.removeAll(name);
        if (!row.sharingWith.isEmpty())
            row.state = CenterState::SharesFiles;
        else if (row.record && plant.ok())
            row.changedInputs =
                changedInputs(today, *row.record, words) + changedOwnInputs(folder, plant, name, *row.record, words);
        if (row.record && row.state == CenterState::NotCalculated)
            row.state = judged(row, plant);
        overview.centers.append(row);
    }
    return overview;
}

CostSplit costSplit(const ResultRecord& record)
{
    const auto value = [&record](AnnualCost cost) { return record.annualCost(cost).value_or(0.0); };
    CostSplit split;
    split.fixed = value(AnnualCost::FixedCosts);
    split.wages = value(AnnualCost::TotalWages);
    split.power = record.powerTotal();
    split.variable = value(AnnualCost::VariableCosts);
    split.generalFactory = value(AnnualCost::GeneralFactoryExpense);
    split.selling = value(AnnualCost::SellingOverhead);
    return split;
}

QString stateText(const CenterRow& row)
{
    switch (row.state) {
    case CenterState::Current:
        return PlantOverviewTexts::tr("current");
    case CenterState::Stale:
        return PlantOverviewTexts::tr("stale: ") + row.changedInputs.join(QStringLiteral(", "));
    case CenterState::NotCalculated:
        return PlantOverviewTexts::tr("not calculated");
    case CenterState::SharesFiles:
        return PlantOverviewTexts::tr("shares files with ") + row.sharingWith.join(QStringLiteral(", "));
    case CenterState::Unknown:
        return PlantOverviewTexts::tr("plant figures unreadable: ") + row.problem;
    case CenterState::Unreadable:
        break;
    }
    return PlantOverviewTexts::tr("unreadable: ") + row.problem;
}

} // namespace plantoverview

} // namespace engine
