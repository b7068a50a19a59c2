#include "store/LeftoverFiles.h"

#include "store/AtomicSave.h"
#include "store/EquipmentList.h"
#include "store/FileNames.h"

#include <QDir>
#include <QRegularExpression>
#include <QSet>

#include <optional>

namespace store {

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
// listed names' files count. Gives the name of the file it would be a copy of.
std::optional<QString> earlierCopyOf(const QString& entry)
{
    static const QRegularExpression copy(QStringLiteral("^(.+)\\.[A-Za-z0-9]{6}$"));
    const QRegularExpressionMatch match = copy.match(entry);
    if (!match.hasMatch())
        return std::nullopt;
    return match.captured(1);
}

} // namespace

QStringList removeLeftovers(const DataFolder& folder)
{
    // The list is read only when a file has the shape of an earlier copy, as a large list costs
    // more to read than the folder does to scan.
    std::optional<QSet<QString>> listed;
    const auto isListed = [&](const QString& file) {
        if (!listed)
            listed = listedDataFiles(folder);
        return listed->contains(file);
    };
    QStringList removed;
    const QStringList entries = QDir(folder.path()).entryList(QDir::Files | QDir::Hidden | QDir::System);
    for (const QString& entry : entries) {
        // A name that a data file could have is never taken for a copy: K2.Pres55 has the shape of a
        // copy of K2, and is the result file of "K2.Press 1".
        if (filenames::couldBeDataFile(entry))
            continue;
        const std::optional<QString> original = earlierCopyOf(entry);
        const bool copy =
            filenames::couldBeDataFile(atomicsave::fileOfTemporaryCopy(entry)) || (original && isListed(*original));
        if (copy && folder.remove(entry).ok())
            removed.append(entry);
    }
    return removed;
}

} // namespace leftovers

} // namespace store
