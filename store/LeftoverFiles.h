#pragma once

#include "DataFolder.h"

#include <QStringList>

// A save that was cut off (the program killed while writing) can leave its temporary copy
// behind: the data file's own name followed by a dot and six letters, such as
// "primary.bud.aBcDeF". Only such copies of the program's own data files are ever removed.
namespace leftovers {

// The data files whose leftovers are looked for: the shared files and the files of every
// name in the equipment list.
QStringList dataFileNames(const DataFolder& folder);

// Removes the leftover copies of those files and returns the names of the files removed.
QStringList removeLeftovers(const DataFolder& folder);

} // namespace leftovers
