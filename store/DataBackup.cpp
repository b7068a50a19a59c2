#include "DataBackup.h"

#include "LeftoverFiles.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QSaveFile>

namespace databackup {
namespace {

bool namedAsEquipmentFile(const QString& fileName)
{
    static const QRegularExpression pattern(QStringLiteral("^(.{1,7}[2346]|[^ ]{1,7}55)$"));
    return pattern.match(fileName).hasMatch();
}

// A folder in `target` that is not there yet: the name, then " (2)", " (3)"…
QString newFolder(const QString& target, const QString& name)
{
    const QDir parent(target);
    QString path = parent.filePath(name);
    for (int number = 2; QFileInfo::exists(path); ++number)
        path = parent.filePath(QStringLiteral("%1 (%2)").arg(name).arg(number));
    return path;
}

QString copy(const DataFolder& folder, const QString& fileName, const QString& backupFolder)
{
    QFile source(folder.filePath(fileName));
    if (!source.open(QIODevice::ReadOnly))
        return QStringLiteral("Could not read %1: %2").arg(fileName, source.errorString());
    QSaveFile copied(QDir(backupFolder).filePath(fileName));
    return writeAtomically(copied, source.readAll()).error;
}

} // namespace

QStringList dataFiles(const DataFolder& folder)
{
    QStringList files;
    const QStringList known = leftovers::dataFileNames(folder);
    for (const QString& entry : QDir(folder.path()).entryList(QDir::Files | QDir::Hidden, QDir::Name))
        if (known.contains(entry) || namedAsEquipmentFile(entry))
            files.append(entry);
    return files;
}

Backup backUp(const DataFolder& folder, const QString& target, const QDate& date)
{
    const QStringList files = dataFiles(folder);
    if (files.isEmpty())
        return {
            {},
            0,
            QStringLiteral("There are no data files in %1 to back up.").arg(QDir::toNativeSeparators(folder.path()))};
    const QString made =
        newFolder(target, QStringLiteral("Budgeted Hourly Rates data %1").arg(date.toString(Qt::ISODate)));
    if (!QDir().mkdir(made))
        return {{}, 0, QStringLiteral("The folder %1 could not be made.").arg(QDir::toNativeSeparators(made))};
    for (const QString& file : files) {
        if (const QString error = copy(folder, file, made); !error.isEmpty()) {
            QDir(made).removeRecursively();
            return {{}, 0, error};
        }
    }
    return {made, static_cast<int>(files.size()), {}};
}

} // namespace databackup
