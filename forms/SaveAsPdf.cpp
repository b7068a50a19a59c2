#include "forms/SaveAsPdf.h"

#include "platform/Platform.h"
#include "platform/ReportFile.h"

using namespace report;
using namespace platform;

namespace forms {

bool saveAsPdf(Platform& platform, QWidget* parent, const PrintJob& job, const QString& reportName,
               const QString& equipmentName)
{
    const QString suggested = reportFilePath(platform.folder().path(), reportName, equipmentName);
    QString path = platform.files().saveFileName(parent, QStringLiteral("Save as PDF"), suggested,
                                                 QStringLiteral("PDF files (*.pdf)"));
    if (path.isEmpty())
        return false;
    if (!path.endsWith(QStringLiteral(".pdf"), Qt::CaseInsensitive))
        path += QStringLiteral(".pdf");
    return platform.printing().saveAsPdf(job, path, reportName).printed;
}

} // namespace forms
