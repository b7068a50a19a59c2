#include "platform/DataLocation.h"

#include "store/FileNames.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QTemporaryFile>

using namespace store;

namespace platform {

namespace datalocation {
namespace {
struct DataLocationTexts {
    Q_DECLARE_TR_FUNCTIONS(DataLocation)
};
} // namespace

bool fileExists(const QString& filePath)
{
    return QFileInfo::exists(filePath);
}

QString chooseFolder(const QString& programFolder, const QString& userFolder, const FileTest& exists)
{
    const QDir program(programFolder);
    if (exists(program.filePath(filenames::kListFile)) || exists(program.filePath(filenames::kPlantFile)))
        return programFolder;
    if (userFolder.isEmpty() || !QDir().mkpath(userFolder))
        return programFolder;
    return userFolder;
}

StartFolder startFolder(const QString& programFolder, const QString& userFolder, const QString& chosen)
{
    if (!chosen.isEmpty() && QFileInfo(chosen).isDir())
        return {chosen, {}};
    StartFolder start{chooseFolder(programFolder, userFolder), {}};
    if (!chosen.isEmpty())
        start.note = DataLocationTexts::tr("The data folder %1 chosen earlier is not there. Until it is back, the data "
                                           "files are those in %2.")
                         .arg(QDir::toNativeSeparators(chosen), QDir::toNativeSeparators(start.folder));
    return start;
}

QString folderProblem(const QString& folder)
{
    const QFileInfo info(folder);
    if (!info.exists())
        return DataLocationTexts::tr("it is not there");
    if (!info.isDir())
        return DataLocationTexts::tr("it is a file, not a folder");
    // Permissions alone do not tell (shares, read-only media): a file is actually made and removed.
    QTemporaryFile probe(QDir(folder).filePath(QStringLiteral(".hourlyrates-XXXXXX")));
    if (!probe.open())
        return DataLocationTexts::tr("nothing can be saved in it: %1").arg(probe.errorString());
    return QString();
}

bool sameFolder(const QString& one, const QString& other)
{
    const QString canonical = QFileInfo(one).canonicalFilePath();
    return !canonical.isEmpty() && canonical == QFileInfo(other).canonicalFilePath();
}

} // namespace datalocation

} // namespace platform
