#pragma once

#include "platform/SystemTools.h"

#include <QString>

namespace platform {

// Finding and starting the operating system's system-information tool through the registry.
namespace sysinfo {

// Shown through QCoreApplication::translate("SystemInformation", ...).
inline constexpr const char* kUnavailableMessage =
    QT_TRANSLATE_NOOP("SystemInformation", "System Information Is Unavailable At This Time");

// Reads one registry value as text. True with the text in keyValue: a string loses one trailing
// zero byte, a 32-bit number becomes decimal text, any other type leaves keyValue as passed.
// False with keyValue emptied when the key or value cannot be read. The key is always closed.
bool readKeyValue(SystemTools& tools, SystemTools::RegistryRoot root, const QString& keyName, const QString& valueName,
                  QString& keyValue);

// Starts the tool as a separate process without waiting; false when it cannot be found or started.
bool start(SystemTools& tools);

} // namespace sysinfo

} // namespace platform
