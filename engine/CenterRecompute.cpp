#include "CenterRecompute.h"

#include "BudgetInputs.h"
#include "CostFormulas.h"
#include "FileNames.h"
#include "InputBoxes.h"

namespace centerrecompute {
namespace {

const QString kWorkSpaceBox = inputboxes::objectName(InputBox::WorkSpace);

// How many boxes a whole file fills: every line that loading reads into a box.
qsizetype boxesFilled(const recordlayout::FileLayout& layout)
{
    qsizetype count = 0;
    for (const recordlayout::FileLine& line : layout)
        if (line.loaded && line.box != kWorkSpaceBox)
            ++count;
    return count;
}

QString incomplete(const QString& fileName, int lines)
{
    return QStringLiteral("The file %1 is incomplete: it holds fewer than its %2 lines.")
        .arg(fileName, QString::number(lines));
}

} // namespace

PlantTexts readPlant(const DataFolder& folder)
{
    PlantTexts plant;
    const recordlayout::LoadedFile loaded = recordlayout::loadPlantFile(folder);
    if (!loaded.ok()) {
        plant.problem = loaded.error;
        return plant;
    }
    if (loaded.assignments.size() < boxesFilled(recordlayout::plantFile())) {
        plant.problem = incomplete(filenames::kPlantFile, inputboxes::lineCount(inputboxes::BoxFile::Plant));
        return plant;
    }
    for (const recordlayout::Assignment& assignment : loaded.assignments)
        plant.boxTexts.insert(assignment.box, assignment.text);
    return plant;
}

Recomputed recompute(const DataFolder& folder, const PlantTexts& plant, const QString& equipmentName)
{
    static const inputboxes::BoxFile kFiles[] = {inputboxes::BoxFile::Input2, inputboxes::BoxFile::Input3,
                                                 inputboxes::BoxFile::Input4};
    Recomputed recomputed;
    QHash<QString, QString> boxTexts = plant.boxTexts;
    for (int digit = 2; digit <= 4; ++digit) {
        const QString fileName = filenames::inputFile(equipmentName, digit);
        const recordlayout::LoadedFile loaded = recordlayout::loadInputFile(folder, equipmentName, digit);
        if (!loaded.ok()) {
            recomputed.kind =
                loaded.state == FileState::Missing ? Recomputed::Kind::MissingInput : Recomputed::Kind::Unreadable;
            recomputed.problem = loaded.error;
            return recomputed;
        }
        if (loaded.assignments.size() < boxesFilled(recordlayout::inputFile(digit))) {
            recomputed.kind = Recomputed::Kind::Unreadable;
            recomputed.problem = incomplete(fileName, inputboxes::lineCount(kFiles[digit - 2]));
            return recomputed;
        }
        for (const recordlayout::Assignment& assignment : loaded.assignments)
            boxTexts.insert(assignment.box, assignment.text);
        if (loaded.workSpace)
            boxTexts.insert(kWorkSpaceBox, *loaded.workSpace);
    }
    const BoxText boxText = [&boxTexts](const QString& box) { return boxTexts.value(box); };
    if (calculateCosts(gatherCostInputs(boxText), recomputed.record) == CostOutcome::Overflow)
        recomputed.kind = Recomputed::Kind::Overflow;
    return recomputed;
}

} // namespace centerrecompute
