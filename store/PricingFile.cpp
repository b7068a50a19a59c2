#include "store/PricingFile.h"

#include "store/FileNames.h"

#include <array>

namespace store {

namespace {
std::array<QString*, 6> linesOf(PricingFields& f)
{
    return {&f.quantity1, &f.quantity2, &f.markUp, &f.price1, &f.price2, &f.hourlyCost};
}
} // namespace

StoreResult savePricingFile(const DataFolder& folder, const QString& equipmentName, const PricingFields& fields)
{
    return folder.replace(filenames::pricingFile(equipmentName), {fields.quantity1, fields.quantity2, fields.markUp,
                                                                  fields.price1, fields.price2, fields.hourlyCost});
}

ReadPricing readPricingFile(const DataFolder& folder, const QString& equipmentName)
{
    ReadPricing read;
    OpenedFile file = folder.read(filenames::pricingFile(equipmentName));
    if (!file.ok())
        ++read.failures;
    if (file.state == FileState::Damaged)
        read.damage = file.error;
    for (QString* line : linesOf(read.fields)) {
        const std::optional<QString> value = file.readable() ? file.fields.next() : std::nullopt;
        *line = value.value_or(QString());
        read.failures += value ? 0 : 1;
    }
    return read;
}

} // namespace store
