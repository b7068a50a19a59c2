#include "store/RecordLayout.h"

#include "store/FileNames.h"
#include "store/InputBoxes.h"

namespace store {

namespace recordlayout {
namespace {

using inputboxes::BoxFile;

// Each box on its own line; a line no box holds stays empty and is not read back, and so is a
// repeated line.
FileLayout layoutOf(BoxFile file)
{
    FileLayout layout(inputboxes::lineCount(file), FileLine{std::nullopt, false});
    for (const inputboxes::Entry& entry : inputboxes::all()) {
        if (entry.file != file)
            continue;
        layout[entry.line - 1] = {entry.box, entry.loadedWithFile};
        if (entry.copyLine > 0)
            layout[entry.copyLine - 1] = {entry.box, false};
    }
    return layout;
}

LoadedFile load(const DataFolder& folder, const QString& fileName, const FileLayout& layout)
{
    LoadedFile loaded;
    OpenedFile file = folder.read(fileName);
    loaded.state = file.state;
    loaded.error = file.error;
    if (!file.readable())
        return loaded;
    for (const FileLine& line : layout) {
        const std::optional<QString> value = file.fields.next();
        if (!value)
            break;
        if (line.box == InputBox::WorkSpace)
            loaded.workSpace = *value;
        else if (line.loaded)
            loaded.assignments.append({*line.box, *value});
    }
    return loaded;
}

} // namespace

const FileLayout& plantFile()
{
    static const FileLayout layout = layoutOf(BoxFile::Plant);
    return layout;
}

const FileLayout& inputFile(int digit)
{
    static const FileLayout file2 = layoutOf(BoxFile::Input2);
    static const FileLayout file3 = layoutOf(BoxFile::Input3);
    static const FileLayout file4 = layoutOf(BoxFile::Input4);
    return digit == 2 ? file2 : digit == 3 ? file3 : file4;
}

QStringList linesOf(const FileLayout& layout, const InputTexts& texts)
{
    QStringList lines;
    for (const FileLine& line : layout)
        lines.append(line.box ? texts[*line.box] : QString());
    return lines;
}

LoadedFile loadPlantFile(const DataFolder& folder)
{
    return load(folder, filenames::kPlantFile, plantFile());
}

LoadedFile loadInputFile(const DataFolder& folder, const QString& equipmentName, int digit)
{
    return load(folder, filenames::inputFile(equipmentName, digit), inputFile(digit));
}

std::optional<QString> savedWorkSpace(const DataFolder& folder, const QString& equipmentName)
{
    return loadInputFile(folder, equipmentName, 3).workSpace;
}

} // namespace recordlayout

} // namespace store
