#pragma once

#include "report/PrintJob.h"

#include <QString>

namespace platform {
class Platform;
}
class QWidget;

namespace forms {

// "Save as PDF…": asks where, suggesting "<report> - <equipment>.pdf" in the data folder, and
// saves the job there through the printing path, which tells the user where it went or why it
// could not. False when the user cancelled or the file could not be written.
bool saveAsPdf(platform::Platform& platform, QWidget* parent, const report::PrintJob& job, const QString& reportName,
               const QString& equipmentName = {});

} // namespace forms
