#pragma once

#include "PrintService.h"
#include "TextPagePrinter.h"

#include <functional>

// Keeps every printed report as a text page.
class RecordedPrintService : public PrintService {
public:
    void showSetup(QWidget*) override { ++setupsShown; }
    Outcome print(const PrintJob& job, const QString&, const QString&) override
    {
        if (whilePrinting)
            whilePrinting();
        pages.append(TextPagePrinter::of(job));
        return {true, {}};
    }

    int setupsShown = 0;
    QList<TextPagePrinter> pages;
    std::function<void()> whilePrinting; // lets a test look at the windows while a job runs
};
