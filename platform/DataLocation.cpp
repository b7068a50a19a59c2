#include "DataLocation.h"

#include "FileNames.h"

#include <QDir>
#include <QFileInfo>

namespace datalocation {

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

} // namespace datalocation
