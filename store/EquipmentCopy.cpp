#include "store/EquipmentCopy.h"

#include "store/EquipmentList.h"
#include "store/FileNames.h"
#include "store/SharedFiles.h"

#include <QFileInfo>
#include <QList>

#include <QCoreApplication>
#include <optional>

namespace store {

namespace equipmentcopy {
namespace {
struct EquipmentCopyTexts {
    Q_DECLARE_TR_FUNCTIONS(EquipmentCopy)
};

using Kind = CopyOutcome::Kind;

CopyOutcome refused(Kind kind, const QString& error = {}, const QStringList& sharingWith = {})
{
    return {kind, error, sharingWith, {}};
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
            (void)folder.replaceBytes(file.fileName, *file.before);
        else
            (void)folder.remove(file.fileName);
    }
}

// The refusals that depend on the names and the list alone.
std::optional<CopyOutcome> refusalOfNames(const DataFolder& folder, const QString& from, const QString& to)
{
    if (const QString problem = filenames::nameProblem(to); !problem.isEmpty())
        return refused(Kind::BadName, problem);
    // A name that cannot name files has none to copy.
    if (const QString problem = filenames::nameProblem(from); !problem.isEmpty())
        return refused(Kind::NoInputs, problem);
    const equipmentlist::Loaded list = equipmentlist::load(folder);
    // Without the whole list no one can tell which names already use the new name's files.
    if (!list.damage.isEmpty())
        return refused(Kind::NotSaved, list.damage);
    if (!list.complete && QFileInfo::exists(folder.filePath(filenames::kListFile)))
        return refused(Kind::NotSaved, EquipmentCopyTexts::tr("Could not read %1.").arg(filenames::kListFile));
    if (list.names.contains(to))
        return refused(Kind::Exists, EquipmentCopyTexts::tr("%1 is already in the equipment list.").arg(to));
    QStringList sharing = sharedfiles::namesSharingFiles(list.names, to);
    if (sharedfiles::shareFiles(from, to) && !sharing.contains(from))
        sharing.prepend(from);
    if (!sharing.isEmpty())
        return refused(
            Kind::SharesFiles,
            EquipmentCopyTexts::tr("%1 would use the files of %2.").arg(to, sharing.join(QStringLiteral(", "))),
            sharing);
    return std::nullopt;
}

// The new name's files as they are to stand: the original's bytes, or nothing where it has no
// such file.
struct Planned {
    QString target;
    std::optional<QByteArray> bytes;
};

// The typed input files in place of the saved ones; the result file stays only when every typed
// file is byte for byte the saved one.
std::optional<CopyOutcome> putTypedInputs(const TypedInputs& typed, QList<Planned>& planned)
{
    constexpr qsizetype kResultFile = 3;
    bool sameAsSaved = true;
    for (qsizetype i = 0; i < qsizetype(typed.size()); ++i) {
        QByteArray bytes;
        if (const StoreResult encoded = encodeLines(typed.at(i), planned.at(i).target, bytes); !encoded.ok())
            return refused(Kind::NotSaved, encoded.error);
        sameAsSaved = sameAsSaved && planned.at(i).bytes == bytes;
        planned[i].bytes = bytes;
    }
    if (!sameAsSaved)
        planned[kResultFile].bytes.reset();
    return std::nullopt;
}

// Everything is read before anything is written, so a missing input file changes nothing.
std::optional<CopyOutcome> readOriginal(const DataFolder& folder, const QString& from, const QString& to,
                                        QList<Planned>& planned, bool inputsRequired = true)
{
    const QStringList sources = sharedfiles::filesOf(from);
    const QStringList targets = sharedfiles::filesOf(to);
    for (qsizetype i = 0; i < sources.size(); ++i) {
        const bool required = inputsRequired && i < 3; // the three input files
        const FileBytes source = folder.readBytes(sources.at(i));
        if (source.state == FileState::Missing && required)
            return refused(Kind::NoInputs,
                           EquipmentCopyTexts::tr("The file %1 of %2 was not found.").arg(sources.at(i), from));
        if (source.state != FileState::Missing && !source.ok())
            return refused(Kind::NotSaved, source.error);
        planned.append({targets.at(i), source.ok() ? std::optional(source.bytes) : std::nullopt});
    }
    return std::nullopt;
}

// Writes the planned files, and removes a file of the new name that the original lacks.
std::optional<CopyOutcome> writeCopies(const DataFolder& folder, const QList<Planned>& planned, QList<Written>& written)
{
    for (const Planned& file : planned) {
        const FileBytes before = folder.readBytes(file.target);
        if (before.state != FileState::Missing && !before.ok())
            return refused(Kind::NotSaved, before.error);
        const std::optional<QByteArray> old = before.ok() ? std::optional(before.bytes) : std::nullopt;
        if (!file.bytes && !old)
            continue;
        const StoreResult done =
            file.bytes ? folder.replaceBytes(file.target, *file.bytes) : folder.remove(file.target);
        if (!done.ok())
            return refused(Kind::NotSaved, done.error);
        written.append({file.target, old});
    }
    return std::nullopt;
}

CopyOutcome writePlanned(const DataFolder& folder, const QString& to, const QList<Planned>& planned,
                         ExistingFiles existing)
{
    // An unlisted name's leftover files are only replaced when the user says so.
    if (const QStringList present = sharedfiles::filesPresent(folder, to);
        !present.isEmpty() && existing == ExistingFiles::Keep) {
        CopyOutcome outcome = refused(Kind::FilesExist);
        outcome.present = present;
        return outcome;
    }
    QList<Written> written;
    std::optional<CopyOutcome> refusal = writeCopies(folder, planned, written);
    if (!refusal) {
        if (const StoreResult added = equipmentlist::addIfAbsent(folder, to); !added.ok())
            refusal = refused(Kind::NotSaved, added.error);
    }
    if (refusal) {
        undo(folder, written);
        return *refusal;
    }
    return {};
}

} // namespace

CopyOutcome copy(const DataFolder& folder, const QString& from, const QString& to, ExistingFiles existing)
{
    if (std::optional<CopyOutcome> refusal = refusalOfNames(folder, from, to))
        return *refusal;
    QList<Planned> planned;
    if (std::optional<CopyOutcome> refusal = readOriginal(folder, from, to, planned))
        return *refusal;
    return writePlanned(folder, to, planned, existing);
}

CopyOutcome copyTyped(const DataFolder& folder, const QString& from, const QString& to, const TypedInputs& typed,
                      ExistingFiles existing)
{
    if (std::optional<CopyOutcome> refusal = refusalOfNames(folder, from, to))
        return *refusal;
    QList<Planned> planned;
    if (std::optional<CopyOutcome> refusal = readOriginal(folder, from, to, planned, false))
        return *refusal;
    if (std::optional<CopyOutcome> refusal = putTypedInputs(typed, planned))
        return *refusal;
    return writePlanned(folder, to, planned, existing);
}

} // namespace equipmentcopy

} // namespace store
