#pragma once

#include "store/DataFolder.h"
#include "store/PricingFields.h"

namespace store {

// The equipment's pricing file: the six inputs of its last reverse-engineering Calculate,
// one text per line as typed.
StoreResult savePricingFile(const DataFolder& folder, const QString& equipmentName, const PricingFields& fields);

struct [[nodiscard]] ReadPricing {
    PricingFields fields; // a line that could not be read stays empty
    int failures = 0;     // a file that cannot be opened counts once, and so does each missing line
    QString damage;       // why only the first part of a damaged file was read; a failure too
};

ReadPricing readPricingFile(const DataFolder& folder, const QString& equipmentName);

} // namespace store
