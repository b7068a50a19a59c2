#include "platform/FolderMemory.h"

#include <QDir>
#include <QSettings>
#include <QStandardPaths>

namespace platform {

namespace {
const QString kDataFolderKey = QStringLiteral("dataFolder");
}

SettingsFolderMemory::SettingsFolderMemory(QString settingsFile) : m_file(std::move(settingsFile)) {}

QString SettingsFolderMemory::defaultFile()
{
    return QDir(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation))
        .filePath(QStringLiteral("Solvarra/Budgeted Hourly Rates.ini"));
}

QString SettingsFolderMemory::remembered() const
{
    return QSettings(m_file, QSettings::IniFormat).value(kDataFolderKey).toString();
}

bool SettingsFolderMemory::remember(const QString& folder, QString& error)
{
    QSettings settings(m_file, QSettings::IniFormat);
    settings.setValue(kDataFolderKey, folder);
    settings.sync();
    if (settings.status() == QSettings::NoError)
        return true;
    error = tr("the settings file %1 could not be written").arg(QDir::toNativeSeparators(m_file));
    return false;
}

} // namespace platform
