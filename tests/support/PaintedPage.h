#pragma once

#include "PrintService.h"

#include <QProcess>

// The job painted into a PDF file at the path, read back as text by pdftotext; empty when the
// job could not be painted.
inline QString paintedText(const PrintJob& job, const QString& pdfPath)
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(pdfPath);
    if (!paintJob(job, printer))
        return {};
    QProcess pdftotext;
    pdftotext.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdfPath, QStringLiteral("-")});
    pdftotext.waitForFinished(30000);
    return QString::fromUtf8(pdftotext.readAllStandardOutput());
}
