#include "LeftoverFiles.h"

#include "AtomicSave.h"
#include "EquipmentList.h"
#include "FileNames.h"

#include <QDir>
#include <QRegularExpression>
#include <QSet>

namespace leftovers {
namespace {

// The shared files and the files of every name in the equipment list.
QSet<QString> listedDataFiles(const DataFolder& folder)
{
    QSet<QString> names = {filenames::kPlantFile, filenames::kListFile, filenames::kTemporaryListFile,
                           filenames::kNameFile, filenames::kEfficiencyOptionFile};
    for (const QString& equipment : equipmentlist::load(folder).names) {
        if (!filenames::nameProblem(equipment).isEmpty())
            continue;
        for (int digit = 2; digit <= 4; ++digit)
            names.insert(filenames::inputFile(equipment, digit));
        names.insert(filenames::pricingFile(equipment));
        names.insert(filenames::resultFile(equipment));
    }
    return names;
}

// A copy that an earlier version of the program left: the file's name, a dot and six letters or
// digits, with nothing of its own to tell it apart; so only copies of the shared files and of
// listed names' files count.
bool isEarlierCopy(const QString& entry, const QSet<QString>& listed)
{
    static const QRegularExpression copy(QStringLiteral("^(.+)\\.[A-Za-z0-9]{6}$"));
    const QRegularExpressionMatch match = copy.match(entry);
    return match.hasMatch() && listed.contains(match.captured(1));
}

} // namespace

QStringList removeLeftovers(const DataFolder& folder)
{
    const QSet<QString> listed = listedDataFiles(folder);
    QStringList removed;
    const QStringList entries = QDir(folder.path()).entryList(QDir::Files | QDir::Hidden | QDir::System);
    for (const QString& entry : entries) {
        const bool copy =
            filenames::couldBeDataFile(atomicsave::fileOfTemporaryCopy(entry)) || isEarlierCopy(entry, listed);
        // A name that a data file could have is never taken for a copy: K2.Pres55 has the shape of a
        // copy of K2, and is the result file of "K2.Press 1".
        if (copy && !filenames::couldBeDataFile(entry) && folder.remove(entry).ok())
            removed.append(entry);
    }
    return removed;
}

} // namespace leftovers
