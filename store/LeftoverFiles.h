#pragma once

#include "store/DataFolder.h"

#include <QStringList>

namespace store {

// A save that was cut off (the program killed while writing) can leave its temporary copy
// behind, such as "primary.bud.aB3dEf.partial" (AtomicSave.h); an earlier version left
// "primary.bud.aBcDeF". Only such copies of files the program could have written are removed,
// and never a file that could itself be a data file.
namespace leftovers {

// Removes the leftover copies and returns the names of the files removed.
QStringList removeLeftovers(const DataFolder& folder);

} // namespace leftovers

} // namespace store
