#include "PlantOverview.h"

#include "CenterRecompute.h"
#include "EquipmentList.h"
#include "FileNames.h"
#include "InputBoxes.h"
#include "PlantChanges.h"
#include "ResultFile.h"
#include "ResultSlots.h"
#include "SharedFiles.h"

#include <QFileInfo>
#include <QHash>

namespace plantoverview {
namespace {

namespace slot = resultslots;

// The box's prompt, as a list of changed inputs names it.
QString promptOf(InputBox box)
{
    QString prompt = QString::fromLatin1(inputboxes::entry(box).prompt);
    if (prompt.endsWith(u':'))
        prompt.chop(1);
    return prompt;
}

QStringList changedInputs(const plantchanges::TodaysPlant& today, const ResultRecord& saved)
{
    QStringList changed;
    for (const InputBox box : today.changedSince(saved))
        changed.append(promptOf(box));
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
    const plantchanges::TodaysPlant today(
        InputTexts::from([&plant](const QString& box) { return plant.boxTexts.value(box); }));

    const QStringList names = equipmentlist::distinctNames(list.names);
    const QHash<QString, QStringList> groups = sharedfiles::namesByResultFile(names);
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
            row.changedInputs = changedInputs(today, *row.record);
        if (row.record && row.state == CenterState::NotCalculated)
            row.state = judged(row, plant);
        overview.centers.append(row);
    }
    return overview;
}

CostSplit costSplit(const ResultRecord& record)
{
    const auto value = [&record](int number) { return record.result(number).value_or(0.0); };
    CostSplit split;
    split.fixed = value(slot::fixedCosts);
    split.wages = value(slot::totalWages);
    for (const int part : slot::powerCostParts)
        split.power += value(part);
    split.variable = value(slot::variableCosts);
    split.generalFactory = value(slot::generalFactoryExpense);
    split.selling = value(slot::sellingOverhead);
    return split;
}

QString stateText(const CenterRow& row)
{
    switch (row.state) {
    case CenterState::Current:
        return QStringLiteral("current");
    case CenterState::Stale:
        return QStringLiteral("stale: ") + row.changedInputs.join(QStringLiteral(", "));
    case CenterState::NotCalculated:
        return QStringLiteral("not calculated");
    case CenterState::SharesFiles:
        return QStringLiteral("shares files with ") + row.sharingWith.join(QStringLiteral(", "));
    case CenterState::Unknown:
        return QStringLiteral("plant figures unreadable: ") + row.problem;
    case CenterState::Unreadable:
        break;
    }
    return QStringLiteral("unreadable: ") + row.problem;
}

} // namespace plantoverview
