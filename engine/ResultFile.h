#pragma once

#include "engine/ResultRecord.h"
#include "store/DataFolder.h"

#include <QString>

namespace engine {

// The result record as the equipment's result file: for each slot from 1 to 103 its result
// value, then its input value, one number per line in the number form of the data files; an
// empty line stands for an empty result value.
inline constexpr int kResultFileLines = 2 * ResultRecord::kSlots;

// Writes all 206 lines in place of the file's content; the old file stays whole on failure.
store::StoreResult saveResultFile(const store::DataFolder& folder, const QString& equipmentName,
                                  const ResultRecord& record);

// The result file's content, for saving several result files together (DataFolder::replaceTogether).
store::DataFolder::FileContent resultFileContent(const QString& equipmentName, const ResultRecord& record);

struct [[nodiscard]] LoadedRecord {
    // On failure: the slots read before the problem, the others as cleared.
    ResultRecord record;
    // Empty on success, otherwise a sentence for the user naming the file.
    QString error;
    bool ok() const { return error.isEmpty(); }
};

// A missing, unreadable, short or damaged (larger than any result file can be) file and a line
// that is not a number (or one too large for a double) are reported in `error`, quoting at most
// the start of a long line. Lines after the first 206 are not read.
LoadedRecord loadResultFile(const store::DataFolder& folder, const QString& equipmentName);

} // namespace engine
