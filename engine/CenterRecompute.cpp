#include "engine/CenterRecompute.h"

#include "engine/CostFormulas.h"
#include "store/FileNames.h"

#include <QCoreApplication>

using namespace store;

namespace engine {

namespace centerrecompute {
namespace {
struct CenterRecomputeTexts {
    Q_DECLARE_TR_FUNCTIONS(CenterRecompute)
};

// How many boxes a whole file fills: every line that loading reads into a box.
qsizetype boxesFilled(const recordlayout::FileLayout& layout)
{
    qsizetype count = 0;
    for (const recordlayout::FileLine& line : layout)
        if (line.loaded && line.box != InputBox::WorkSpace)
            ++count;
    return count;
}

QString incomplete(const QString& fileName, int lines)
{
    return CenterRecomputeTexts::tr("The file %1 is incomplete: it holds fewer than its %2 lines.")
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
        plant.texts[assignment.box] = assignment.text;
    return plant;
}

CenterTexts readCenter(const DataFolder& folder, const PlantTexts& plant, const QString& equipmentName)
{
    static const inputboxes::BoxFile kFiles[] = {inputboxes::BoxFile::Input2, inputboxes::BoxFile::Input3,
                                                 inputboxes::BoxFile::Input4};
    CenterTexts center;
    center.texts = plant.texts;
    for (int digit = 2; digit <= 4; ++digit) {
        const QString fileName = filenames::inputFile(equipmentName, digit);
        const recordlayout::LoadedFile loaded = recordlayout::loadInputFile(folder, equipmentName, digit);
        if (!loaded.ok()) {
            center.kind =
                loaded.state == FileState::Missing ? CenterTexts::Kind::MissingInput : CenterTexts::Kind::Unreadable;
            center.problem = loaded.error;
            return center;
        }
        if (loaded.assignments.size() < boxesFilled(recordlayout::inputFile(digit))) {
            center.kind = CenterTexts::Kind::Unreadable;
            center.problem = incomplete(fileName, inputboxes::lineCount(kFiles[digit - 2]));
            return center;
        }
        for (const recordlayout::Assignment& assignment : loaded.assignments)
            center.texts[assignment.box] = assignment.text;
        if (loaded.workSpace)
            center.texts[InputBox::WorkSpace] = *loaded.workSpace;
    }
    return center;
}

Recomputed recompute(const DataFolder& folder, const PlantTexts& plant, const QString& equipmentName)
{
    Recomputed recomputed;
    const CenterTexts center = readCenter(folder, plant, equipmentName);
    switch (center.kind) {
    case CenterTexts::Kind::Read:
        break;
    case CenterTexts::Kind::MissingInput:
        return {Recomputed::Kind::MissingInput, {}, center.problem, {}};
    case CenterTexts::Kind::Unreadable:
        return {Recomputed::Kind::Unreadable, {}, center.problem, {}};
    }
    recomputed.texts = center.texts;
    if (calculateCosts(center.texts, recomputed.record) == CostOutcome::Overflow)
        recomputed.kind = Recomputed::Kind::Overflow;
    return recomputed;
}

} // namespace centerrecompute

} // namespace engine
