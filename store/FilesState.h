#pragma once

#include "store/DataFolder.h"

#include <QByteArray>
#include <QStringList>

namespace store {

// How the given files of the data folder stand: for each, whether it is there, its size and the
// time of its last change. Two states differ when any of those files was written in between.
QByteArray filesState(const DataFolder& folder, const QStringList& fileNames);

} // namespace store
