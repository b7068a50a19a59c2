// The equipment list under any list file and any run of additions and removals: after an
// addition the name is there once more (or already was), after a removal it is gone and every
// other name keeps its place.
#include "fuzz/FuzzSupport.h"
#include "store/EquipmentList.h"
#include "store/FileNames.h"
#include "textrules/SingleByteText.h"

#include <QStringList>

#include <cstddef>
#include <cstdint>

using namespace textrules;
using namespace store;

namespace {

constexpr qsizetype kMostOperations = 16;

// Only names that pass the name check are ever added.
void add(const QString& name)
{
    if (!filenames::nameProblem(name).isEmpty())
        return;
    const DataFolder& folder = fuzz::scratchFolder();
    const equipmentlist::Loaded before = equipmentlist::load(folder);
    if (!equipmentlist::addIfAbsent(folder, name).ok())
        return;
    const equipmentlist::Loaded after = equipmentlist::load(folder);
    fuzz::require(after.complete, "the list can be loaded after an addition");
    if (before.names.contains(name)) {
        fuzz::require(after.names == before.names, "adding a listed name changes nothing");
        return;
    }
    fuzz::require(after.names == before.names + QStringList{name}, "an added name comes last, once");
}

void remove(const QString& name)
{
    const DataFolder& folder = fuzz::scratchFolder();
    const equipmentlist::Loaded before = equipmentlist::load(folder);
    const equipmentlist::Removal removal = equipmentlist::remove(folder, name);
    fuzz::require(removal.found == before.names.contains(name), "a removal finds the name where the list has it");
    if (!removal.result.ok())
        return;
    QStringList others = before.names;
    others.removeAll(name);
    const QStringList after = equipmentlist::load(folder).names;
    fuzz::require(!after.contains(name), "a removed name is gone");
    fuzz::require(after.size() == others.size(), "a removal keeps every other name");
    for (qsizetype i = 0; i < others.size(); ++i)
        fuzz::require(after[i] == others[i] || after[i] == fuzz::withoutLeadingBlanks(others[i]),
                      "the other names keep their order, at most losing blanks before them");
}

} // namespace

// The first part is the list file as it stands (none at all when it is empty); each further
// part is one operation, an addition when its first byte is even, else a removal, of the name
// that follows.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QList<QByteArray> parts = fuzz::parts(data, size);
    if (parts.first().isEmpty())
        fuzz::removeFile(filenames::kListFile);
    else
        fuzz::placeFile(filenames::kListFile, parts.first());
    equipmentlist::load(fuzz::scratchFolder());
    for (qsizetype i = 1; i < parts.size() && i <= kMostOperations; ++i) {
        const QByteArray& part = parts[i];
        const QString name = fuzz::textOf(part.mid(1));
        if (part.isEmpty() || part[0] % 2 == 0)
            add(name);
        else
            remove(name);
    }
    return 0;
}
