#pragma once

#include "store/DataFolder.h"

#include <optional>

namespace store {

// The one-line files through which windows pass the current equipment name (Name.tmp) and the
// chosen efficiency level (Name1.Dat) to each other.
namespace handover {

StoreResult writeName(const DataFolder& folder, const QString& equipmentName);
// The first value of Name.tmp; nothing when the file is missing or empty of lines.
std::optional<QString> readName(const DataFolder& folder);

StoreResult writeEfficiencyOption(const DataFolder& folder, const QString& digit);
std::optional<QString> readEfficiencyOption(const DataFolder& folder);

} // namespace handover

} // namespace store
