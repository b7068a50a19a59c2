#pragma once

#include "platform/PrintService.h"

#include <QImage>
#include <QMarginsF>
#include <QProcess>

// The text of a PDF file as pdftotext reads it, laid out as on the page.
inline QString pdfText(const QString& pdfPath)
{
    QProcess pdftotext;
    pdftotext.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdfPath, QStringLiteral("-")});
    pdftotext.waitForFinished(30000);
    return QString::fromUtf8(pdftotext.readAllStandardOutput());
}

// The job painted into a PDF file at the path, read back as text by pdftotext; empty when the
// job could not be painted.
inline QString paintedText(const report::PrintJob& job, const QString& pdfPath)
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(pdfPath);
    if (!platform::paintJob(job, printer))
        return {};
    return pdfText(pdfPath);
}

// How far the ink of the PDF's first page stays from each edge of the paper, in millimetres, as
// pdftoppm draws it; all -1 when the page could not be drawn or holds no ink.
inline QMarginsF inkMarginsMillimetres(const QString& pdfPath)
{
    constexpr int kDotsPerInch = 100;
    const QString stem = pdfPath + QStringLiteral(".page");
    QProcess pdftoppm;
    pdftoppm.start(QStringLiteral("pdftoppm"),
                   {QStringLiteral("-r"), QString::number(kDotsPerInch), QStringLiteral("-f"), QStringLiteral("1"),
                    QStringLiteral("-l"), QStringLiteral("1"), QStringLiteral("-singlefile"), QStringLiteral("-gray"),
                    pdfPath, stem});
    pdftoppm.waitForFinished(30000);
    const QImage page(stem + QStringLiteral(".pgm"));
    int left = page.width(), top = page.height(), right = -1, bottom = -1;
    for (int y = 0; y < page.height(); ++y)
        for (int x = 0; x < page.width(); ++x)
            if (qGray(page.pixel(x, y)) < 200) {
                left = std::min(left, x);
                right = std::max(right, x);
                top = std::min(top, y);
                bottom = std::max(bottom, y);
            }
    if (right < 0)
        return {-1, -1, -1, -1};
    const auto millimetres = [](int dots) { return dots * 25.4 / kDotsPerInch; };
    return {millimetres(left), millimetres(top), millimetres(page.width() - 1 - right),
            millimetres(page.height() - 1 - bottom)};
}
