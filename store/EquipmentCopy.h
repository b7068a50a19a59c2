#pragma once

#include "DataFolder.h"

#include <QString>

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

// Copies the input files 2, 3 and 4, and the result and pricing files where they exist, from
// `from` to `to`, then adds `to` to the list file. Files of `to` already there are touched only
// when they are to be replaced; then the new name's files become exactly the copies, and one
// that the original lacks is removed. When a step fails, every file of `to` is put back as it
// was and the list is left as it was.
CopyOutcome copy(const DataFolder& folder, const QString& from, const QString& to,
                 ExistingFiles existing = ExistingFiles::Keep);

} // namespace equipmentcopy
