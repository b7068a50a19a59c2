#include "platform/ProgramFiles.h"

#include <QDir>
#include <QFileInfo>

namespace platform {

namespace programfiles {

QString find(const QString& programFolder, const QStringList& places)
{
    const QDir folder(programFolder);
    for (const QString& place : places)
        if (const QFileInfo file(QDir::cleanPath(folder.absoluteFilePath(place))); file.isFile())
            return file.filePath();
    return QString();
}

QString licenceText(const QString& programFolder)
{
    const QString file =
        find(programFolder, {QStringLiteral("LICENSE"), QStringLiteral("../share/common-licenses/GPL-3"),
                             QStringLiteral("/usr/share/common-licenses/GPL-3")});
    return file.isEmpty() ? QStringLiteral("https://www.gnu.org/licenses/gpl-3.0.html")
                          : QDir::toNativeSeparators(file);
}

} // namespace programfiles

} // namespace platform
