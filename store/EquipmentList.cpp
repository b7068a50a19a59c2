#include "EquipmentList.h"

#include "FileNames.h"

#include <QSet>

namespace equipmentlist {

Loaded load(const DataFolder& folder)
{
    Loaded loaded;
    OpenedFile file = folder.read(filenames::kListFile);
    if (!file.ok())
        return loaded;
    while (auto name = file.fields.next())
        loaded.names.append(*name);
    loaded.complete = true;
    return loaded;
}

QStringList distinctNames(const QStringList& names)
{
    QStringList distinct;
    QSet<QString> seen;
    for (const QString& name : names) {
        if (name.isEmpty() || seen.contains(name))
            continue;
        seen.insert(name);
        distinct.append(name);
    }
    return distinct;
}

StoreResult addIfAbsent(const DataFolder& folder, const QString& name)
{
    if (load(folder).names.contains(name, Qt::CaseSensitive))
        return {};
    return folder.append(filenames::kListFile, name);
}

Removal remove(const DataFolder& folder, const QString& name)
{
    Removal removal;
    OpenedFile file = folder.read(filenames::kListFile);
    if (!file.ok()) {
        removal.result = {file.error};
        return removal;
    }
    QStringList kept;
    while (auto entry = file.fields.next()) {
        if (*entry == name)
            removal.found = true;
        else
            kept.append(*entry);
    }
    // An entry with leading blanks (only a list made by hand has one) keeps them on the way through.
    removal.result = folder.replace(filenames::kTemporaryListFile, kept, fieldtext::LeadingBlanks::Keep);
    if (removal.result.ok() && removal.found)
        removal.result = folder.renameOver(filenames::kTemporaryListFile, filenames::kListFile);
    return removal;
}

} // namespace equipmentlist
