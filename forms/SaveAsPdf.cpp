#include "forms/SaveAsPdf.h"

#include "forms/LowerLayers.h"
#include "platform/Platform.h"
#include "platform/ReportFile.h"

#include <QCoreApplication>

using namespace forms::lowerlayers;

namespace forms {

namespace {

// The texts this file shows, under one context for the translator.
struct SaveAsPdfTexts {
    Q_DECLARE_TR_FUNCTIONS(SaveAsPdf)
};

} // namespace

bool saveAsPdf(Platform& platform, QWidget* parent, const PrintJob& job, const QString& reportName,
               const QString& equipmentName)
{
    const QString suggested = reportFilePath(platform.folder().path(), reportName, equipmentName);
    QString path = platform.files().saveFileName(parent, SaveAsPdfTexts::tr("Save as PDF"), suggested,
                                                 SaveAsPdfTexts::tr("PDF files (*.pdf)"));
    if (path.isEmpty())
        return false;
    if (!path.endsWith(QStringLiteral(".pdf"), Qt::CaseInsensitive))
        path += QStringLiteral(".pdf");
    return platform.printing().saveAsPdf(job, path, reportName).printed;
}

} // namespace forms
