#pragma once

#include "DataFolder.h"
#include "PrintJob.h"
#include "TextPagePrinter.h"

#include <QPrinter>

#include <functional>
#include <memory>

class MessageBoxes;
class QWidget;

// The program's one printer, chosen in Printer SetUp and used by every report of the run.
class PrintService {
public:
    struct Outcome {
        bool printed = false; // on the printer or, failing that, into the PDF file
        QString pdfPath;      // where the report was saved when no printer could take it
    };

    virtual ~PrintService() = default;
    virtual void showSetup(QWidget* parent) = 0;
    // `documentName` names the job and the PDF file a report falls back to.
    virtual Outcome print(const PrintJob& job, const QString& documentName) = 0;
};

// Prints on the chosen printer. Where there is none, or it fails, the report is saved as a
// PDF file in the program folder and the user is told where: a report is never lost silently.
class DesktopPrintService : public PrintService {
public:
    DesktopPrintService(MessageBoxes& messages, DataFolder folder);

    void showSetup(QWidget* parent) override;
    Outcome print(const PrintJob& job, const QString& documentName) override;

private:
    bool hasPrinter() const;
    Outcome saveAsPdf(const PrintJob& job, const QString& documentName);

    MessageBoxes& m_messages;
    DataFolder m_folder;
    QPrinter m_printer;
};

// Paints the job on a printer; false when the printer could not be started.
bool paintJob(const PrintJob& job, QPrinter& printer);

// Keeps every printed report as a text page, for tests.
class RecordedPrintService : public PrintService {
public:
    void showSetup(QWidget* parent) override;
    Outcome print(const PrintJob& job, const QString& documentName) override;

    int setupsShown = 0;
    QList<TextPagePrinter> pages;
    std::function<void()> whilePrinting; // lets a test look at the windows while a job runs
};
