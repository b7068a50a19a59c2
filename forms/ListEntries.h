#pragma once

class QListWidget;

// Takes the entry at that row off the list quietly: losing an entry is not a choice in the list,
// so the list's own selection handlers must not run, and no neighbour may become selected in its
// place. A row the list does not have changes nothing.
void takeEntryQuietly(QListWidget* list, int row);
