#include "platform/PrinterBackend.h"

using namespace report;

namespace platform {

void play(const PrintJob& job, PrinterBackend& backend)
{
    for (const PrintOperation& operation : job.operations())
        backend.apply(operation);
}

} // namespace platform
