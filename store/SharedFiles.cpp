#include "SharedFiles.h"

#include "EquipmentList.h"
#include "FileNames.h"

namespace sharedfiles {

bool shareFiles(const QString& name, const QString& other)
{
    return filenames::stem(name) == filenames::stem(other) ||
           filenames::resultFile(name) == filenames::resultFile(other);
}

QStringList namesSharingFiles(const QStringList& listed, const QString& name)
{
    QStringList sharing;
    for (const QString& other : listed)
        if (other != name && !sharing.contains(other) && shareFiles(name, other))
            sharing.append(other);
    return sharing;
}

QStringList namesSharingFiles(const DataFolder& folder, const QString& name)
{
    return namesSharingFiles(equipmentlist::load(folder).names, name);
}

QHash<QString, QStringList> namesByResultFile(const QStringList& names)
{
    QHash<QString, QStringList> groups;
    for (const QString& name : names) {
        QStringList& group = groups[filenames::resultFile(name)];
        if (!group.contains(name))
            group.append(name);
    }
    return groups;
}

} // namespace sharedfiles
