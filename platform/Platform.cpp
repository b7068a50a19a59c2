#include "platform/Platform.h"

#include "platform/DataLocation.h"

#include <QCoreApplication>
#include <QDate>
#include <QStandardPaths>

namespace platform {

DesktopPlatform::DesktopPlatform(PicturePainter pictures)
    : m_programFolder(QCoreApplication::applicationDirPath()),
      m_start(datalocation::startFolder(
          m_programFolder, QStandardPaths::writableLocation(QStandardPaths::AppDataLocation), m_memory.remembered())),
      m_folder(m_start.folder), m_printing(m_messages, m_folder, std::move(pictures)), m_help(m_messages)
{
}

int DesktopPlatform::currentYear() const
{
    return today().year();
}

QDate DesktopPlatform::today() const
{
    return QDate::currentDate();
}

} // namespace platform
