#include "store/InputsTable.h"

#include "store/BoxWords.h"
#include "store/CsvTable.h"
#include "store/EquipmentList.h"
#include "store/FileNames.h"
#include "store/RecordLayout.h"

#include <QSaveFile>

namespace store {

namespace inputstable {
namespace {

void take(const recordlayout::LoadedFile& file, SavedTexts& saved)
{
    if (!file.ok()) {
        if (file.state != FileState::Missing && saved.ok())
            saved.problem = file.error;
        return;
    }
    for (const recordlayout::Assignment& assignment : file.assignments)
        saved.texts[assignment.box] = assignment.text;
    if (file.workSpace)
        saved.texts[InputBox::WorkSpace] = *file.workSpace;
}

// The row's cells: the name, then each box's text where the row holds that box, empty elsewhere.
QStringList row(const QString& name, const SavedTexts& saved, bool plant)
{
    QStringList cells = {csv::textCell(name)};
    for (const inputboxes::Entry& box : inputboxes::all())
        cells.append(isPlantBox(box) == plant ? csv::boxCell(saved.texts[box.box]) : QString());
    return cells;
}

} // namespace

QStringList headings()
{
    QStringList texts = {kNameHeading};
    for (const inputboxes::Entry& box : inputboxes::all())
        texts.append(inputboxes::prompt(box.box));
    return texts;
}

bool isPlantBox(const inputboxes::Entry& box)
{
    return box.file == inputboxes::BoxFile::Plant;
}

SavedTexts plantTexts(const DataFolder& folder)
{
    SavedTexts saved;
    take(recordlayout::loadPlantFile(folder), saved);
    return saved;
}

SavedTexts centerTexts(const DataFolder& folder, const QString& equipmentName)
{
    SavedTexts saved;
    for (int digit = 2; digit <= 4; ++digit)
        take(recordlayout::loadInputFile(folder, equipmentName, digit), saved);
    return saved;
}

Exported exportCsv(const DataFolder& folder)
{
    Exported exported;
    const SavedTexts plant = plantTexts(folder);
    if (!plant.ok())
        exported.unreadable.append(plant.problem);
    exported.csv = csv::line(headings()) + csv::line(row(QString(), plant, true));
    for (const QString& name : equipmentlist::distinctNames(equipmentlist::load(folder).names)) {
        if (!filenames::nameProblem(name).isEmpty())
            continue; // a name that names no files of its own has no inputs to show
        const SavedTexts center = centerTexts(folder, name);
        if (!center.ok())
            exported.unreadable.append(center.problem);
        exported.csv += csv::line(row(name, center, false));
        ++exported.centers;
    }
    return exported;
}

StoreResult saveCsv(const QString& path, const QByteArray& csv)
{
    QSaveFile file(path);
    return writeAtomically(file, csv);
}

} // namespace inputstable

} // namespace store
