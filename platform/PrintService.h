#pragma once

#include "platform/PainterPrinter.h"
#include "report/PrintJob.h"
#include "store/DataFolder.h"

#include <QCoreApplication>
#include <QPrinter>

#include <memory>

class QWidget;

namespace platform {

class MessageBoxes;

// The program's one printer, chosen in Printer SetUp and used by every report of the run.
class PrintService {
public:
    struct [[nodiscard]] Outcome {
        bool printed = false; // on the printer or into a PDF file
        QString pdfPath;      // where the report was saved when it went to a file
    };

    virtual ~PrintService() = default;
    virtual void showSetup(QWidget* parent) = 0;
    // `documentName` names the job; with the equipment's name it also names the PDF file a
    // report goes to when it is printed to a file.
    virtual Outcome print(const report::PrintJob& job, const QString& documentName,
                          const QString& equipmentName = {}) = 0;
    // Saves the job as a PDF file at the path the user chose, replacing a file there, and tells
    // the user where it went or why it could not be saved.
    virtual Outcome saveAsPdf(const report::PrintJob& job, const QString& path, const QString& documentName) = 0;
};

// Prints on the chosen printer. Where the set-up chose printing to a file, the report goes to a
// file of its own name in the folder chosen there; where there is no printer, or it fails, it is
// saved as a PDF file in the program folder. Either way the user is told the full path, no
// earlier file is overwritten, and a report is never lost silently.
class DesktopPrintService : public PrintService {
    Q_DECLARE_TR_FUNCTIONS(DesktopPrintService)

public:
    // The folder is followed while the program runs: a report with nowhere else to go lands in
    // the data folder in use at the time. Pages' pictures are drawn by `pictures`.
    DesktopPrintService(MessageBoxes& messages, const store::DataFolder& folder, PicturePainter pictures = {});

    void showSetup(QWidget* parent) override;
    Outcome print(const report::PrintJob& job, const QString& documentName, const QString& equipmentName = {}) override;
    Outcome saveAsPdf(const report::PrintJob& job, const QString& path, const QString& documentName) override;

    // The printer that the set-up dialog edits, made when first wanted: finding the printers
    // takes longer than the rest of the program's start.
    QPrinter& printer();

private:
    bool hasPrinter();
    bool printsToFile();
    Outcome writePdf(const report::PrintJob& job, const QString& path, const QString& documentName, bool fallback);

    MessageBoxes& m_messages;
    const store::DataFolder& m_folder;
    PicturePainter m_pictures;
    std::unique_ptr<QPrinter> m_printer;
};

// Paints the job on a printer, on pages turned as the job asks with margins of at least 15 mm;
// false when the printer could not be started. Pictures are drawn by `pictures`, or left blank.
bool paintJob(const report::PrintJob& job, QPrinter& printer, const PicturePainter& pictures = {});
// Paints the job into a PDF file at the path; false when the file could not be written.
bool paintPdf(const report::PrintJob& job, const QString& path, const QString& documentName,
              const PicturePainter& pictures = {});

} // namespace platform
