#pragma once

#include "store/DataFolder.h"
#include "store/InputTexts.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

namespace store {

// The line layouts of the plant file and an equipment's input files 2, 3 and 4: which box's
// text each line holds, as the input boxes' table (InputBoxes.h) places them. The same layouts
// write the files and read them back into the boxes.
namespace recordlayout {

struct FileLine {
    std::optional<InputBox> box; // the box whose text the line holds; none for the empty first line of file 3
    bool loaded = true;          // false for the repeated lines of file 2 and the work space of file 3
};
using FileLayout = QList<FileLine>;

const FileLayout& plantFile();
const FileLayout& inputFile(int digit); // 2, 3 or 4

// The lines to write, each the text of its box.
QStringList linesOf(const FileLayout& layout, const InputTexts& texts);

struct Assignment {
    InputBox box;
    QString text;
};

// What loading a file puts into the boxes, in line order. Lines past the end of a short file
// are missing, so their boxes keep what they show; so are those past the size limit of a damaged
// file, whose readable lines are still assigned.
struct [[nodiscard]] LoadedFile {
    FileState state = FileState::Missing;
    QString error; // why the file could not be read (or only in part), naming it; empty when it was
    QList<Assignment> assignments;
    std::optional<QString> workSpace; // line 2 of input file 3, when it was there
    bool ok() const { return state == FileState::Ok; }
};

LoadedFile loadPlantFile(const DataFolder& folder);
LoadedFile loadInputFile(const DataFolder& folder, const QString& equipmentName, int digit);

// Line 2 of input file 3 alone: the saved work space; nothing when it cannot be read.
std::optional<QString> savedWorkSpace(const DataFolder& folder, const QString& equipmentName);

} // namespace recordlayout

} // namespace store
