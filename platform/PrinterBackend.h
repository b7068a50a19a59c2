#pragma once

#include "report/PrintJob.h"

// Something that carries out printer operations: a real page or a recorded text page.
class PrinterBackend {
public:
    virtual ~PrinterBackend() = default;
    virtual void apply(const PrintOperation& operation) = 0;
};

void play(const PrintJob& job, PrinterBackend& backend);
