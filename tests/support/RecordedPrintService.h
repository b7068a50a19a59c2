#pragma once

#include "forms/PagePictures.h"
#include "platform/PrintService.h"
#include "tests/support/TextPagePrinter.h"

#include <functional>

// Keeps every printed or saved report as a text page.
class RecordedPrintService : public platform::PrintService {
public:
    void showSetup(QWidget*) override { ++setupsShown; }
    Outcome print(const report::PrintJob& job, const QString&, const QString&) override
    {
        if (whilePrinting)
            whilePrinting();
        pages.append(TextPagePrinter::of(job));
        return {true, {}};
    }
    // Keeps the page and writes the real file, so tests can read what the user would get.
    Outcome saveAsPdf(const report::PrintJob& job, const QString& path, const QString& documentName) override
    {
        pages.append(TextPagePrinter::of(job));
        savedPdfs.append(path);
        return {platform::paintPdf(job, path, documentName, forms::drawPagePicture), path};
    }

    int setupsShown = 0;
    QList<TextPagePrinter> pages;
    QStringList savedPdfs;
    std::function<void()> whilePrinting; // lets a test look at the windows while a job runs
};
