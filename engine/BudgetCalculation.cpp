#include "engine/BudgetCalculation.h"

#include "engine/CostFormulas.h"
#include "engine/ResultFile.h"
#include "store/FileNames.h"
#include "store/HandOverFiles.h"
#include "store/RecordLayout.h"

using namespace store;

namespace engine {

namespace {

BudgetOutcome notSaved(const QString& error)
{
    return {BudgetOutcome::Kind::NotSaved, error};
}

// The plant file, shared by all equipment, and the equipment's input files 2, 3 and 4.
StoreResult saveInputs(const DataFolder& folder, const QString& equipmentName, const InputTexts& texts)
{
    StoreResult saved = savePlantFile(folder, texts);
    for (int digit = 2; digit <= 4 && saved.ok(); ++digit)
        saved = folder.replace(filenames::inputFile(equipmentName, digit),
                               recordlayout::linesOf(recordlayout::inputFile(digit), texts));
    return saved;
}

} // namespace

StoreResult savePlantFile(const DataFolder& folder, const InputTexts& texts)
{
    return folder.replace(filenames::kPlantFile, recordlayout::linesOf(recordlayout::plantFile(), texts));
}

BudgetOutcome calculateBudget(const DataFolder& folder, const QString& equipmentName, const InputTexts& texts)
{
    if (const QString problem = filenames::nameProblem(equipmentName); !problem.isEmpty())
        return notSaved(problem);
    if (const StoreResult saved = saveInputs(folder, equipmentName, texts); !saved.ok())
        return notSaved(saved.error);

    ResultRecord record;
    if (calculateCosts(texts, record) == CostOutcome::Overflow)
        return {BudgetOutcome::Kind::Overflow, {}};
    if (const StoreResult saved = saveResultFile(folder, equipmentName, record); !saved.ok())
        return notSaved(saved.error);
    if (const StoreResult saved = handover::writeName(folder, equipmentName); !saved.ok())
        return notSaved(saved.error);
    return {};
}

} // namespace engine
