#include "store/DataBackup.h"

#include "store/FileNames.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace store {

namespace databackup {
namespace {
struct DataBackupTexts {
    Q_DECLARE_TR_FUNCTIONS(DataBackup)
};

// A folder in `target` that is not there yet: the name, then " (2)", " (3)"…
QString newFolder(const QString& target, const QString& name)
{
    const QDir parent(target);
    QString path = parent.filePath(name);
    for (int number = 2; QFileInfo::exists(path); ++number)
        path = parent.filePath(QStringLiteral("%1 (%2)").arg(name).arg(number));
    return path;
}

// A file the folder cannot read whole (damaged, or past its size limit) is not copied in part.
QString copy(const DataFolder& folder, const QString& fileName, const DataFolder& backup)
{
    const FileBytes read = folder.readBytes(fileName);
    if (!read.ok())
        return read.error;
    return backup.replaceBytes(fileName, read.bytes).error;
}

} // namespace

QStringList dataFiles(const DataFolder& folder)
{
    QStringList files;
    for (const QString& entry : QDir(folder.path()).entryList(QDir::Files | QDir::Hidden, QDir::Name))
        if (filenames::couldBeDataFile(entry))
            files.append(entry);
    return files;
}

Backup backUp(const DataFolder& folder, const QString& target, const QDate& date)
{
    const QStringList files = dataFiles(folder);
    if (files.isEmpty())
        return {{},
                0,
                DataBackupTexts::tr("There are no data files in %1 to back up.")
                    .arg(QDir::toNativeSeparators(folder.path()))};
    const QString made =
        newFolder(target, QStringLiteral("Budgeted Hourly Rates data %1").arg(date.toString(Qt::ISODate)));
    if (!QDir().mkdir(made))
        return {{},
                0,
                DataBackupTexts::tr("The folder %1 could not be made. Nothing was backed up.")
                    .arg(QDir::toNativeSeparators(made))};
    for (const QString& file : files) {
        if (const QString error = copy(folder, file, DataFolder(made)); !error.isEmpty()) {
            QDir(made).removeRecursively();
            return {{}, 0, error + DataBackupTexts::tr(" Nothing was backed up.")};
        }
    }
    return {made, static_cast<int>(files.size()), {}};
}

} // namespace databackup

} // namespace store
