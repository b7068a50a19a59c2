#include "store/HandOverFiles.h"

#include "store/FileNames.h"

namespace store {

namespace handover {
namespace {
std::optional<QString> firstValue(const DataFolder& folder, const QString& fileName)
{
    OpenedFile file = folder.read(fileName);
    return file.ok() ? file.fields.next() : std::nullopt;
}
} // namespace

StoreResult writeName(const DataFolder& folder, const QString& equipmentName)
{
    return folder.replace(filenames::kNameFile, {equipmentName});
}

std::optional<QString> readName(const DataFolder& folder)
{
    return firstValue(folder, filenames::kNameFile);
}

StoreResult writeEfficiencyOption(const DataFolder& folder, const QString& digit)
{
    return folder.replace(filenames::kEfficiencyOptionFile, {digit});
}

std::optional<QString> readEfficiencyOption(const DataFolder& folder)
{
    return firstValue(folder, filenames::kEfficiencyOptionFile);
}

} // namespace handover

} // namespace store
