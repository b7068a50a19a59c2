#include "platform/SystemTools.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QProcess>
#include <QUrl>

namespace platform {

bool DesktopSystemTools::openKey(RegistryRoot, const QString&, KeyHandle&)
{
    return false;
}
bool DesktopSystemTools::queryValue(KeyHandle, const QString&, int, RegistryValue&)
{
    return false;
}
void DesktopSystemTools::closeKey(KeyHandle) {}
bool DesktopSystemTools::fileExists(const QString& path)
{
    return QFileInfo(path).isFile();
}
bool DesktopSystemTools::startProcess(const QString& program)
{
    return QProcess::startDetached(program, {});
}
bool DesktopSystemTools::openFolder(const QString& path)
{
    return QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}

} // namespace platform
