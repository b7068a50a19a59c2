#pragma once

#include "engine/ResultRecord.h"
#include "store/DataFolder.h"
#include "store/InputTexts.h"
#include "store/RecordLayout.h"

#include <QString>

namespace engine {

// One equipment worked out afresh from its saved files, as Calculate BHR would work it out from
// the boxes that selecting the equipment fills: today's plant file and its input files 2, 3 and
// 4, with the saved work space exactly as stored (it is the text the last calculation used).
namespace centerrecompute {

// The plant file's box texts, read once and shared by every equipment.
struct [[nodiscard]] PlantTexts {
    store::InputTexts texts; // the plant-wide boxes' texts; the others empty
    QString problem;         // why the plant file could not be read; empty when it was
    bool ok() const { return problem.isEmpty(); }
};
PlantTexts readPlant(const store::DataFolder& folder);

// Every box's text as selecting the equipment would fill the boxes from its files.
struct [[nodiscard]] CenterTexts {
    enum class Kind {
        Read,
        MissingInput, // an input file is not there: see problem
        Unreadable,   // an input file could not be read whole: see problem
    };
    Kind kind = Kind::Read;
    store::InputTexts texts;
    QString problem;
    bool ok() const { return kind == Kind::Read; }
};
CenterTexts readCenter(const store::DataFolder& folder, const PlantTexts& plant, const QString& equipmentName);

struct [[nodiscard]] Recomputed {
    enum class Kind {
        Completed,
        Overflow,     // the formulas stopped, as Calculate BHR would stop
        MissingInput, // an input file is not there: see problem
        Unreadable,   // an input file could not be read whole: see problem
    };
    Kind kind = Kind::Completed;
    ResultRecord record; // Completed: the new record; Overflow: as far as the formulas got
    QString problem;
    store::InputTexts texts; // Completed and Overflow: the texts the formulas ran on
};

Recomputed recompute(const store::DataFolder& folder, const PlantTexts& plant, const QString& equipmentName);

} // namespace centerrecompute

} // namespace engine
