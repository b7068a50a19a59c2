#include "PlantOverview.h"

#include "BudgetInputs.h"
#include "CenterRecompute.h"
#include "EquipmentList.h"
#include "FileNames.h"
#include "InputBoxes.h"
#include "NumberReading.h"
#include "NumberText.h"
#include "ResultFile.h"
#include "ResultSlots.h"
#include "SharedFiles.h"

#include <QFileInfo>
#include <QHash>

namespace plantoverview {
namespace {

namespace slot = resultslots;

// A slot of the result record that a box feeds, and the words the overview names it by.
struct FedSlot {
    int slot;
    QString box;
    QString prompt;
};

// Which slots the plant-wide boxes (or else the center's own boxes) feed, as the budget
// calculation places their texts.
QList<FedSlot> slotsFedBy(bool plantBoxes)
{
    QHash<QString, QString> prompts;
    for (const inputboxes::Entry& entry : inputboxes::all()) {
        if ((entry.file == inputboxes::BoxFile::Plant) != plantBoxes)
            continue;
        QString prompt = QString::fromLatin1(entry.prompt);
        if (prompt.endsWith(u':'))
            prompt.chop(1);
        prompts.insert(QString::fromLatin1(entry.name), prompt);
    }
    // Each box hands its own name as its text, so the slot shows which box fed it.
    const CostInputs marked =
        gatherCostInputs([&prompts](const QString& box) { return prompts.contains(box) ? box : QString(); });
    QList<FedSlot> found;
    for (int number = 1; number <= ResultRecord::kSlots; ++number)
        if (const QString& box = marked.slotTexts.at(number); !box.isEmpty())
            found.append({number, box, prompts.value(box)});
    return found;
}

const QList<FedSlot>& plantSlots()
{
    static const QList<FedSlot> fed = slotsFedBy(true);
    return fed;
}

// The center's own boxes, and its motors, which feed the formulas through the effective
// horsepower.
const QList<FedSlot>& centerSlots()
{
    static const QList<FedSlot> fed = [] {
        QList<FedSlot> found = slotsFedBy(false);
        found.append({slot::effectiveHorsepower, QString(), QStringLiteral("Horsepower and usage of the motors")});
        return found;
    }();
    return fed;
}

// The value a slot's input takes from today's plant file, as the result file would hold it;
// nothing when the text reads as a number too large for the formulas.
struct TodaysValue {
    int slot;
    QString prompt;
    std::optional<QString> saved;
};

// The result file holds each value to 15 significant digits: both sides are compared in that form,
// so a box typed with more digits does not make every center look stale.
QString asSaved(double value)
{
    return numbers::printForm(value);
}

QList<TodaysValue> todaysPlantValues(const centerrecompute::PlantTexts& plant)
{
    QList<TodaysValue> values;
    for (const FedSlot& plantSlot : plantSlots()) {
        const QString text = plant.boxTexts.value(plantSlot.box);
        // An empty box reads as 0 in the formulas, as does any text without a leading number.
        const std::optional<double> number = text.isEmpty() ? 0.0 : numbers::readIfFinite(text);
        values.append({plantSlot.slot, plantSlot.prompt, number ? std::optional(asSaved(*number)) : std::nullopt});
    }
    return values;
}

QStringList changedInputs(const QList<TodaysValue>& today, const ResultRecord& saved)
{
    QStringList changed;
    for (const TodaysValue& value : today)
        if (value.saved != asSaved(saved.input(value.slot)))
            changed.append(value.prompt);
    return changed;
}

// The center's own inputs whose saved texts no longer give what its result file holds: typed and
// saved since without a result (the formulas stopped), or imported from a spreadsheet. A center
// whose input files cannot be worked out whole is judged by the plant figures alone.
QStringList changedOwnInputs(const DataFolder& folder, const centerrecompute::PlantTexts& plant, const QString& name,
                             const ResultRecord& saved)
{
    const centerrecompute::Recomputed today = centerrecompute::recompute(folder, plant, name);
    if (today.kind != centerrecompute::Recomputed::Kind::Completed)
        return {};
    QStringList changed;
    for (const FedSlot& own : centerSlots())
        if (asSaved(today.record.input(own.slot)) != asSaved(saved.input(own.slot)) && !changed.contains(own.prompt))
            changed.append(own.prompt);
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
    const QList<TodaysValue> today = plant.ok() ? todaysPlantValues(plant) : QList<TodaysValue>();

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
            row.changedInputs = changedInputs(today, *row.record) + changedOwnInputs(folder, plant, name, *row.record);
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
