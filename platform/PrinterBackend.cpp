#include "platform/PrinterBackend.h"

void play(const PrintJob& job, PrinterBackend& backend)
{
    for (const PrintOperation& operation : job.operations())
        backend.apply(operation);
}
