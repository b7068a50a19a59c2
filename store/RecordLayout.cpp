#include "RecordLayout.h"

#include "FileNames.h"
#include "InputBoxes.h"

namespace recordlayout {
namespace {

using inputboxes::BoxFile;

const QString kWorkSpaceBox = inputboxes::objectName(InputBox::WorkSpace);

// Each box on its own line; a line no box holds stays empty and is not read back, and so is a
// repeated line.
FileLayout layoutOf(BoxFile file)
{
    FileLayout layout(inputboxes::lineCount(file), FileLine{QString(), false});
    for (const inputboxes::Entry& entry : inputboxes::all()) {
        if (entry.file != file)
            continue;
        const QString box = QString::fromLatin1(entry.name);
        layout[entry.line - 1] = {box, entry.loadedWithFile};
        if (entry.copyLine > 0)
            layout[entry.copyLine - 1] = {box, false};
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
        if (line.box == kWorkSpaceBox)
            loaded.workSpace = *value;
        else if (line.loaded)
            loaded.assignments.append({line.box, *value});
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

QStringList linesOf(const FileLayout& layout, const std::function<QString(const QString& box)>& boxText)
{
    QStringList lines;
    for (const FileLine& line : layout)
        lines.append(line.box.isEmpty() ? QString() : boxText(line.box));
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
