#pragma once

#include "DataFolder.h"

#include <QStringList>

// The list file of saved equipment names, one name per line in the order first started.
namespace equipmentlist {

// What the user is told when the list file cannot be read.
inline const QString kMissingListMessage =
    QStringLiteral("Be certain that you have an KVT folder\r\nOn your C Drive. If Not, Create One.");

struct [[nodiscard]] Loaded {
    QStringList names;     // the names read, in file order, duplicates included
    bool complete = false; // false when the file is missing or could not be read
};
Loaded load(const DataFolder& folder);

// The equipment the names stand for: each name once, in list order; an empty line names none.
QStringList distinctNames(const QStringList& names);

// Appends the name unless a value of the list equals it exactly (letter case counts).
StoreResult addIfAbsent(const DataFolder& folder, const QString& name);

struct [[nodiscard]] Removal {
    bool found = false;
    StoreResult result;
};
// Removes every line equal to the name. The filtered copy is written to the temporary list
// file and only then takes the list file's place, so the list is never missing or half-written;
// without a match the list file stays untouched and the copy stays behind.
Removal remove(const DataFolder& folder, const QString& name);

} // namespace equipmentlist
