#include "Platform.h"

#include "DataLocation.h"

#include <QCoreApplication>
#include <QDate>
#include <QStandardPaths>

DesktopPlatform::DesktopPlatform()
    : m_programFolder(QCoreApplication::applicationDirPath()),
      m_folder(datalocation::chooseFolder(m_programFolder,
                                          QStandardPaths::writableLocation(QStandardPaths::AppDataLocation))),
      m_printing(m_messages, m_folder), m_help(m_messages)
{
}

int DesktopPlatform::currentYear() const
{
    return QDate::currentDate().year();
}
