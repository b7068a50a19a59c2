#include "ListEntries.h"

#include <QListWidget>
#include <QSignalBlocker>

void takeEntryQuietly(QListWidget* list, int row)
{
    if (!list || row < 0 || row >= list->count())
        return;
    const QSignalBlocker quiet(list);
    if (list->currentRow() == row)
        list->setCurrentRow(-1);
    delete list->takeItem(row);
}
