#pragma once

#include <QString>

#include <functional>

namespace platform {

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

// The folder a start uses: the one the user chose to use (remembered from an earlier run) while
// it is there, otherwise the folder chooseFolder() picks. When the chosen folder is missing (a
// share not connected, a stick not plugged in), the note tells the user which folder serves
// instead; the choice itself stays remembered for the next start.
struct StartFolder {
    QString folder;
    QString note; // empty when the chosen folder, or no choice, was found as it should be
};
StartFolder startFolder(const QString& programFolder, const QString& userFolder, const QString& chosen);

// Why the folder cannot hold the data files: it is not there, is no folder, or nothing can be
// written in it. Empty when it can.
QString folderProblem(const QString& folder);

// Whether the two paths name the same folder.
bool sameFolder(const QString& one, const QString& other);

} // namespace datalocation

} // namespace platform
