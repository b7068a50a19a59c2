#pragma once

#include "report/PrintJob.h"

namespace platform {

// Something that carries out printer operations: a real page or a recorded text page.
class PrinterBackend {
public:
    virtual ~PrinterBackend() = default;
    virtual void apply(const report::PrintOperation& operation) = 0;
};

void play(const report::PrintJob& job, PrinterBackend& backend);

} // namespace platform
