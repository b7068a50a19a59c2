#include "PrintService.h"

#include "MessageBoxes.h"
#include "PainterPrinter.h"

#include <QPrintDialog>
#include <QPrinterInfo>

bool paintJob(const PrintJob& job, QPrinter& printer)
{
    PainterPrinter page(printer, [&printer] { return printer.newPage(); });
    if (!page.isActive())
        return false;
    play(job, page);
    return true;
}

DesktopPrintService::DesktopPrintService(MessageBoxes& messages, DataFolder folder)
    : m_messages(messages), m_folder(std::move(folder)), m_printer(QPrinter::HighResolution)
{
}

void DesktopPrintService::showSetup(QWidget* parent)
{
    QPrintDialog dialog(&m_printer, parent);
    dialog.exec();
}

bool DesktopPrintService::hasPrinter() const
{
    if (m_printer.outputFormat() == QPrinter::PdfFormat)
        return !m_printer.outputFileName().isEmpty();
    return m_printer.isValid() && !QPrinterInfo::availablePrinters().isEmpty();
}

PrintService::Outcome DesktopPrintService::print(const PrintJob& job, const QString& documentName)
{
    m_printer.setDocName(documentName);
    if (hasPrinter() && paintJob(job, m_printer))
        return {true, {}};
    return saveAsPdf(job, documentName);
}

PrintService::Outcome DesktopPrintService::saveAsPdf(const PrintJob& job, const QString& documentName)
{
    const QString path = m_folder.filePath(documentName + QStringLiteral(".pdf"));
    QPrinter pdf(QPrinter::HighResolution);
    pdf.setOutputFormat(QPrinter::PdfFormat);
    pdf.setOutputFileName(path);
    pdf.setDocName(documentName);
    if (!paintJob(job, pdf)) {
        m_messages.tell(QStringLiteral("No printer could take the report, and it could not be saved as %1 "
                                       "either. Nothing was printed.")
                            .arg(path));
        return {};
    }
    m_messages.tell(QStringLiteral("No printer could take the report, so it was saved as %1").arg(path));
    return {true, path};
}

void RecordedPrintService::showSetup(QWidget*) { ++setupsShown; }

PrintService::Outcome RecordedPrintService::print(const PrintJob& job, const QString&)
{
    if (whilePrinting)
        whilePrinting();
    TextPagePrinter page;
    play(job, page);
    pages.append(page);
    return {true, {}};
}
