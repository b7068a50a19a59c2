#pragma once

#include <QString>

namespace platform {

// Where a report printed to a file lands: "<report> - <equipment>.pdf" in the given folder,
// with " (2)", " (3)"… added when that file is already there, so that no earlier report is
// overwritten. Characters a file name cannot hold become "_".
QString reportFilePath(const QString& folderPath, const QString& reportName, const QString& equipmentName);

} // namespace platform
