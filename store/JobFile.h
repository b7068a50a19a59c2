#pragma once

#include "store/DataFolder.h"
#include "store/FileLimits.h"

#include <QList>
#include <QString>

namespace store {

// A job costed on every center, as its file in the data folder keeps it, one value a line:
//   1 the description, each double quote and percent sign in it written as %22 and %25, so that
//     a description may hold commas and double quotes together and still read back whole
//   2 the quantity, as typed
//   3 the mark-up in percent, as typed
//   4 the efficiency level the job is quoted at, 1 to 4
//   5 the center the quote is for, where the user chose one; empty: the cheapest
// The file is named after the description (filenames::jobFile).
namespace jobfile {

inline constexpr int kLines = filelimits::kJobFileLines;

struct SavedJob {
    QString description;
    QString quantity;
    QString markUp;
    int level = 1;
    QString center;

    bool operator==(const SavedJob&) const = default;
};

// Why a description cannot be kept in a job file (a character one byte cannot hold); empty
// when it can.
QString textProblem(const QString& description);

// Writes the job in place of its file's content. Refused, naming the reason, when its
// description names no file.
StoreResult save(const DataFolder& folder, const SavedJob& job);

struct [[nodiscard]] LoadedJob {
    SavedJob job;
    QString error; // a sentence for the user naming the file; empty on success
    bool ok() const { return error.isEmpty(); }
};
LoadedJob load(const DataFolder& folder, const QString& fileName);

struct Listed {
    QString fileName;
    QString description; // the file's name without its extension when it cannot be read
};
// The saved jobs in the folder, by description.
QList<Listed> listSaved(const DataFolder& folder);

} // namespace jobfile

} // namespace store
