#include "platform/PrintService.h"

#include "platform/MessageBoxes.h"
#include "platform/PainterPrinter.h"
#include "platform/ReportFile.h"

#include <QFileInfo>

#include <QPrintDialog>
#include <QPrinterInfo>

using namespace store;
using namespace report;

namespace platform {

namespace {
constexpr qreal kLeastMarginMillimetres = 15;

// The job's page turn, and margins of at least 15 mm all round, wider where the set-up chose so.
void layOutPage(const PrintJob& job, QPrinter& printer)
{
    printer.setPageOrientation(job.isLandscape() ? QPageLayout::Landscape : QPageLayout::Portrait);
    const QMarginsF chosen = printer.pageLayout().margins(QPageLayout::Millimeter);
    const QMarginsF margins(
        std::max(chosen.left(), kLeastMarginMillimetres), std::max(chosen.top(), kLeastMarginMillimetres),
        std::max(chosen.right(), kLeastMarginMillimetres), std::max(chosen.bottom(), kLeastMarginMillimetres));
    printer.setPageMargins(margins, QPageLayout::Millimeter);
}
} // namespace

bool paintJob(const PrintJob& job, QPrinter& printer, const PicturePainter& pictures)
{
    layOutPage(job, printer);
    PainterPrinter page(
        printer, [&printer] { return printer.newPage(); }, pictures);
    if (!page.isActive())
        return false;
    play(job, page);
    return true;
}

DesktopPrintService::DesktopPrintService(MessageBoxes& messages, const DataFolder& folder, PicturePainter pictures)
    : m_messages(messages), m_folder(folder), m_pictures(std::move(pictures))
{
}

QPrinter& DesktopPrintService::printer()
{
    if (!m_printer)
        m_printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    return *m_printer;
}

void DesktopPrintService::showSetup(QWidget* parent)
{
    QPrintDialog dialog(&printer(), parent);
    dialog.exec();
}

bool DesktopPrintService::printsToFile()
{
    return printer().outputFormat() == QPrinter::PdfFormat && !printer().outputFileName().isEmpty();
}

bool DesktopPrintService::hasPrinter()
{
    return printer().isValid() && !QPrinterInfo::availablePrinters().isEmpty();
}

PrintService::Outcome DesktopPrintService::print(const PrintJob& job, const QString& documentName,
                                                 const QString& equipmentName)
{
    // The file name the set-up chose belongs to whichever report was set up; each report gets
    // its own name beside it instead.
    if (printsToFile()) {
        const QString folder = QFileInfo(printer().outputFileName()).absolutePath();
        return writePdf(job, reportFilePath(folder, documentName, equipmentName), documentName, false);
    }
    printer().setDocName(documentName);
    if (hasPrinter() && paintJob(job, printer(), m_pictures))
        return {true, {}};
    return writePdf(job, reportFilePath(m_folder.path(), documentName, equipmentName), documentName, true);
}

PrintService::Outcome DesktopPrintService::saveAsPdf(const PrintJob& job, const QString& path,
                                                     const QString& documentName)
{
    return writePdf(job, path, documentName, false);
}

bool paintPdf(const PrintJob& job, const QString& path, const QString& documentName, const PicturePainter& pictures)
{
    QPrinter pdf(QPrinter::HighResolution);
    pdf.setOutputFormat(QPrinter::PdfFormat);
    pdf.setOutputFileName(path);
    pdf.setDocName(documentName);
    return paintJob(job, pdf, pictures);
}

PrintService::Outcome DesktopPrintService::writePdf(const PrintJob& job, const QString& path,
                                                    const QString& documentName, bool fallback)
{
    if (!paintPdf(job, path, documentName, m_pictures)) {
        m_messages.tell((fallback ? tr("No printer could take the report, and it could not be saved as %1 "
                                       "either. Nothing was printed.")
                                  : tr("The report could not be saved as %1. Nothing was printed."))
                            .arg(path));
        return {};
    }
    m_messages.tell(
        (fallback ? tr("No printer could take the report, so it was saved as %1") : tr("The report was saved as %1"))
            .arg(path));
    return {true, path};
}

} // namespace platform
