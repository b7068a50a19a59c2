#include "tests/support/RecordedMessageBoxes.h"
#include "tests/support/ProgramNames.h"

QStringList RecordedMessageBoxes::texts() const
{
    QStringList result;
    for (const Shown& message : shown)
        result.append(message.text);
    return result;
}

QString RecordedMessageBoxes::linesOf(const TextTable& table)
{
    QStringList lines;
    for (const QStringList& row : table.rows)
        lines.append(row.join(u'\t'));
    return lines.join(u'\n');
}
