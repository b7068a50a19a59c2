#pragma once

#include "report/PrintJob.h"

#include <QString>

class Platform;
class QWidget;

// "Save as PDF…": asks where, suggesting "<report> - <equipment>.pdf" in the data folder, and
// saves the job there through the printing path, which tells the user where it went or why it
// could not. False when the user cancelled or the file could not be written.
bool saveAsPdf(Platform& platform, QWidget* parent, const PrintJob& job, const QString& reportName,
               const QString& equipmentName = {});
