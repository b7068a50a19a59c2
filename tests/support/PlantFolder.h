#pragma once

// A plant of saved centers in a folder, each calculated as Calculate BHR calculates it, from the
// worked example's boxes with some of them typed differently.

#include "engine/BudgetCalculation.h"
#include "store/FileNames.h"
#include "store/RecordLayout.h"
#include "tests/support/WorkedExampleBoxes.h"

#include <QHash>
#include <QString>

using BoxTexts = QHash<QString, QString>;

// The worked example's boxes, by name.
inline BoxTexts workedExampleTexts()
{
    BoxTexts texts;
    for (const auto& [box, text] : workedExampleBoxes())
        texts.insert(box, text);
    return texts;
}

// The boxes with the given ones typed differently.
inline BoxTexts typed(BoxTexts boxes, const BoxTexts& changes)
{
    for (auto it = changes.begin(); it != changes.end(); ++it)
        boxes.insert(it.key(), it.value());
    return boxes;
}

inline store::InputTexts textsOf(const BoxTexts& boxes)
{
    return textsByName([&boxes](const QString& box) { return boxes.value(box); });
}

inline engine::BudgetOutcome calculateCenter(const store::DataFolder& folder, const QString& name,
                                             const BoxTexts& boxes)
{
    return engine::calculateBudget(folder, name, textsOf(boxes));
}

// Saves the name's input files 2, 3 and 4 as Calculate BHR lays them out, without calculating.
inline bool saveInputFiles(const store::DataFolder& folder, const QString& name, const store::InputTexts& texts)
{
    namespace layout = store::recordlayout;
    for (int digit = 2; digit <= 4; ++digit)
        if (!folder.replace(store::filenames::inputFile(name, digit), layout::linesOf(layout::inputFile(digit), texts))
                 .ok())
            return false;
    return true;
}
