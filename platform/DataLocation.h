#pragma once

#include <QString>

#include <functional>

// Where the data files live. A program folder that already holds them (a portable set-up)
// keeps being used, so nothing moves; otherwise the data goes to the user's own data folder,
// created on first start, so that an installed program never writes next to its executable.
namespace datalocation {

// Whether a file exists; the real file system unless a test puts its own in place.
using FileTest = std::function<bool(const QString& filePath)>;
bool fileExists(const QString& filePath);

// The folder to keep the data files in. Creates the user's folder when it is chosen and
// missing; when it has no path or cannot be created, the program folder serves as before.
QString chooseFolder(const QString& programFolder, const QString& userFolder, const FileTest& exists = fileExists);

} // namespace datalocation
