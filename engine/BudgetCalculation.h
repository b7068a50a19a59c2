#pragma once

#include "store/DataFolder.h"
#include "store/InputTexts.h"

namespace engine {

// What Calculate BHR does with the boxes: saves the plant file and the equipment's input files
// as typed, runs the cost formulas, saves the result file and records the name in Name.tmp.
struct [[nodiscard]] BudgetOutcome {
    enum class Kind {
        Completed, // all six files written
        Overflow,  // the formulas stopped: the input files are saved, no result and no Name.tmp
        NotSaved,  // a file could not be written (or the name cannot name files): see error
    };
    Kind kind = Kind::Completed;
    QString error;
};

BudgetOutcome calculateBudget(const store::DataFolder& folder, const QString& equipmentName,
                              const store::InputTexts& texts);

// Saves the plant-wide boxes alone, as typed, into the plant file shared by all equipment.
store::StoreResult savePlantFile(const store::DataFolder& folder, const store::InputTexts& texts);

} // namespace engine
