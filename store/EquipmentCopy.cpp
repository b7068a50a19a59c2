#include "EquipmentCopy.h"

#include "EquipmentList.h"
#include "FileNames.h"
#include "SharedFiles.h"

#include <QFile>
#include <QFileInfo>
#include <QList>
#include <QSaveFile>

#include <optional>

namespace equipmentcopy {
namespace {

using Kind = CopyOutcome::Kind;

CopyOutcome refused(Kind kind, const QString& error = {}, const QStringList& sharingWith = {})
{
    return {kind, error, sharingWith};
}

// The bytes of a file in the folder, or nothing when it is not there or cannot be read.
struct FileBytes {
    bool exists = false;
    std::optional<QByteArray> bytes;
};

FileBytes bytesOf(const DataFolder& folder, const QString& fileName)
{
    QFile file(folder.filePath(fileName));
    if (!file.exists())
        return {};
    if (!file.open(QIODevice::ReadOnly))
        return {true, std::nullopt};
    return {true, file.readAll()};
}

StoreResult writeBytes(const DataFolder& folder, const QString& fileName, const QByteArray& bytes)
{
    QSaveFile file(folder.filePath(fileName));
    return writeAtomically(file, bytes);
}

// A file of the new name as it was before the copy, so that a failed copy can put it back.
struct Written {
    QString fileName;
    std::optional<QByteArray> before; // nothing when the copy created the file
};

void undo(const DataFolder& folder, const QList<Written>& written)
{
    for (const Written& file : written) {
        if (file.before)
            (void)writeBytes(folder, file.fileName, *file.before);
        else
            (void)folder.remove(file.fileName);
    }
}

} // namespace

CopyOutcome copy(const DataFolder& folder, const QString& from, const QString& to)
{
    if (const QString problem = filenames::nameProblem(to); !problem.isEmpty())
        return refused(Kind::BadName, problem);
    // A name that cannot name files has none to copy.
    if (const QString problem = filenames::nameProblem(from); !problem.isEmpty())
        return refused(Kind::NoInputs, problem);
    const equipmentlist::Loaded list = equipmentlist::load(folder);
    // Without the list no one can tell which names already use the new name's files.
    if (!list.complete && QFileInfo::exists(folder.filePath(filenames::kListFile)))
        return refused(Kind::NotSaved, QStringLiteral("Could not read %1.").arg(filenames::kListFile));
    if (list.names.contains(to))
        return refused(Kind::Exists, QStringLiteral("%1 is already in the equipment list.").arg(to));
    QStringList sharing = sharedfiles::namesSharingFiles(list.names, to);
    if (sharedfiles::shareFiles(from, to) && !sharing.contains(from))
        sharing.prepend(from);
    if (!sharing.isEmpty())
        return refused(Kind::SharesFiles,
                       QStringLiteral("%1 would use the files of %2.").arg(to, sharing.join(QStringLiteral(", "))),
                       sharing);

    struct Pair {
        QString source;
        QString target;
        bool required;
    };
    const QList<Pair> files = {
        {filenames::inputFile(from, 2), filenames::inputFile(to, 2), true},
        {filenames::inputFile(from, 3), filenames::inputFile(to, 3), true},
        {filenames::inputFile(from, 4), filenames::inputFile(to, 4), true},
        {filenames::resultFile(from), filenames::resultFile(to), false},
        {filenames::pricingFile(from), filenames::pricingFile(to), false},
    };
    // Everything is read before anything is written, so a missing input file changes nothing.
    QList<std::pair<QString, QByteArray>> copies;
    for (const Pair& file : files) {
        const FileBytes source = bytesOf(folder, file.source);
        if (!source.exists) {
            if (file.required)
                return refused(Kind::NoInputs,
                               QStringLiteral("The file %1 of %2 was not found.").arg(file.source, from));
            continue;
        }
        if (!source.bytes)
            return refused(Kind::NotSaved, QStringLiteral("Could not read %1.").arg(file.source));
        copies.append({file.target, *source.bytes});
    }

    QList<Written> written;
    for (const auto& [target, bytes] : copies) {
        const FileBytes before = bytesOf(folder, target);
        if (before.exists && !before.bytes) {
            undo(folder, written);
            return refused(Kind::NotSaved, QStringLiteral("Could not read %1 before replacing it.").arg(target));
        }
        if (const StoreResult saved = writeBytes(folder, target, bytes); !saved.ok()) {
            undo(folder, written);
            return refused(Kind::NotSaved, saved.error);
        }
        written.append({target, before.bytes});
    }
    if (const StoreResult added = equipmentlist::addIfAbsent(folder, to); !added.ok()) {
        undo(folder, written);
        return refused(Kind::NotSaved, added.error);
    }
    return {};
}

} // namespace equipmentcopy
