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
        NoInputs,    // the equipment has no saved input files to copy
        NotSaved,    // a file could not be written: see error; nothing is left half-copied
    };
    Kind kind = Kind::Copied;
    QString error;
    QStringList sharingWith;
};

// Copies the input files 2, 3 and 4, and the result and pricing files where they exist, from
// `from` to `to`, then adds `to` to the list file. When a copy fails, the files already copied
// are removed again and the list is left as it was.
CopyOutcome copy(const DataFolder& folder, const QString& from, const QString& to);

} // namespace equipmentcopy
