#pragma once

#include "store/DataFolder.h"

#include <QString>
#include <QStringList>

#include <array>

namespace store {

// "Save as new name": an equipment's saved files copied under another name, for a what-if.
namespace equipmentcopy {

struct [[nodiscard]] CopyOutcome {
    enum class Kind {
        Copied,
        BadName,     // the new name cannot name files: see error
        SharesFiles, // another listed name already uses the new name's files: see sharingWith
        Exists,      // the new name is already listed
        FilesExist,  // files of the new name are already there and were not to be replaced: see present
        NoInputs,    // the equipment has no saved input files to copy
        NotSaved,    // a file could not be read or written: see error; nothing is left half-copied
    };
    Kind kind = Kind::Copied;
    QString error;
    QStringList sharingWith;
    QStringList present;
};

// What becomes of files that the new name already has (an unlisted name's leftovers).
enum class ExistingFiles { Keep, Replace };

// The lines of the input files 2, 3 and 4 as the boxes on screen would save them: the copy takes
// these in place of the original's saved input files.
using TypedInputs = std::array<QStringList, 3>;

// Copies the input files 2, 3 and 4, and the result and pricing files where they exist, from
// `from` to `to`, then adds `to` to the list file. Files of `to` already there are touched only
// when they are to be replaced; then the new name's files become exactly the copies, and one
// that the original lacks is removed. When a step fails, every file of `to` is put back as it
// was and the list is left as it was.
CopyOutcome copy(const DataFolder& folder, const QString& from, const QString& to,
                 ExistingFiles existing = ExistingFiles::Keep);

// The same with the input files as typed: the original need not have saved any, and its result
// file goes with the copy only when the typed inputs are exactly its saved ones, since otherwise
// those results belong to other figures.
CopyOutcome copyTyped(const DataFolder& folder, const QString& from, const QString& to, const TypedInputs& typed,
                      ExistingFiles existing = ExistingFiles::Keep);

} // namespace equipmentcopy

} // namespace store
