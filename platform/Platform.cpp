#include "Platform.h"

#include <QCoreApplication>
#include <QDate>

DesktopPlatform::DesktopPlatform()
    : m_folder(QCoreApplication::applicationDirPath()), m_printing(m_messages, m_folder), m_help(m_messages)
{
}

int DesktopPlatform::currentYear() const
{
    return QDate::currentDate().year();
}
