#include "LeftoverFiles.h"

#include "EquipmentList.h"
#include "FileNames.h"

#include <QDir>
#include <QRegularExpression>
#include <QSet>

namespace leftovers {

QStringList dataFileNames(const DataFolder& folder)
{
    QStringList names = {filenames::kPlantFile, filenames::kListFile, filenames::kTemporaryListFile,
                         filenames::kNameFile, filenames::kEfficiencyOptionFile};
    for (const QString& equipment : equipmentlist::load(folder).names) {
        if (!filenames::nameProblem(equipment).isEmpty())
            continue;
        for (int digit = 2; digit <= 4; ++digit)
            names.append(filenames::inputFile(equipment, digit));
        names.append(filenames::pricingFile(equipment));
        names.append(filenames::resultFile(equipment));
    }
    names.removeDuplicates();
    return names;
}

QStringList removeLeftovers(const DataFolder& folder)
{
    static const QRegularExpression leftover(QStringLiteral("^(.+)\\.[A-Za-z0-9]{6}$"));
    const QStringList own = dataFileNames(folder);
    const QSet<QString> ownNames(own.cbegin(), own.cend());
    QStringList removed;
    const QStringList entries = QDir(folder.path()).entryList(QDir::Files | QDir::Hidden | QDir::System);
    for (const QString& entry : entries) {
        const QRegularExpressionMatch match = leftover.match(entry);
        if (match.hasMatch() && ownNames.contains(match.captured(1)) && folder.remove(entry).ok())
            removed.append(entry);
    }
    return removed;
}

} // namespace leftovers
