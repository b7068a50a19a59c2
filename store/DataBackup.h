#pragma once

#include "store/DataFolder.h"

#include <QDate>
#include <QString>
#include <QStringList>

namespace store {

// A copy of the shop's data files in a folder of its own, named with the day it was made.
namespace databackup {

// The data files the folder holds: the shared files and every file named the way an equipment's
// files are (see filenames::couldBeDataFile), listed or not, so that the files of a name taken
// off the list are kept too. Copies left by a cut-off save are none of them.
QStringList dataFiles(const DataFolder& folder);

struct [[nodiscard]] Backup {
    QString folder; // where the copies went
    int files = 0;
    QString error; // why there is no backup; nothing of it is left behind then
    bool ok() const { return error.isEmpty(); }
};

// Copies every data file into a new folder in `target` named "Budgeted Hourly Rates data" and
// the date (with " (2)", " (3)"… when a backup of that day is there already). Each copy is
// complete on disk before the next begins; when one fails (a data file damaged or past its size
// limit is not copied in part), the new folder is removed again. The data files are only read.
Backup backUp(const DataFolder& folder, const QString& target, const QDate& date);

} // namespace databackup

} // namespace store
