#pragma once

#include "store/DataFolder.h"

#include <QStringList>

namespace store {

// The list file of saved equipment names, one name per line in the order first started.
namespace equipmentlist {

// What the user is told when the list file cannot be read; these and the note below are shown
// through QCoreApplication::translate("EquipmentList", ...).
inline constexpr const char* kMissingListMessage = QT_TRANSLATE_NOOP(
    "EquipmentList", "Be certain that you have an KVT folder\r\nOn your C Drive. If Not, Create One.");

// What follows the damage sentence where the names read are shown.
inline constexpr const char* kDamagedListNote = QT_TRANSLATE_NOOP(
    "EquipmentList", "\r\nOnly the names in its first part are shown, and the list cannot be changed until the "
                     "file is repaired or removed.");

struct [[nodiscard]] Loaded {
    QStringList names;     // the names read, in file order, duplicates included
    bool complete = false; // false when the file is missing, could not be read, or is damaged
    QString damage;        // why only the names of its first part were read; empty otherwise
};
Loaded load(const DataFolder& folder);

// The equipment the names stand for: each name once, in list order; an empty line names none.
QStringList distinctNames(const QStringList& names);

// Appends the name unless a value of the list equals it exactly (letter case counts). A damaged
// list takes no name: it could only be written anew without its unread part.
StoreResult addIfAbsent(const DataFolder& folder, const QString& name);

struct [[nodiscard]] Removal {
    bool found = false;
    StoreResult result;
};
// Removes every value equal to the name. The filtered copy is written to the temporary list
// file and only then takes the list file's place, so the list is never missing or half-written;
// without a match the list file stays untouched and the copy stays behind. Every line that holds
// no such value goes into the copy byte for byte, so a damaged entry elsewhere never stops it.
Removal remove(const DataFolder& folder, const QString& name);

} // namespace equipmentlist

} // namespace store
