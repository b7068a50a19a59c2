#include "RecordedMessageBoxes.h"

QStringList RecordedMessageBoxes::texts() const
{
    QStringList result;
    for (const Shown& message : shown)
        result.append(message.text);
    return result;
}
