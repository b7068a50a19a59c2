#pragma once

#include <QStringList>

class QListWidget;

namespace forms {

// Takes the entry at that row off the list quietly: losing an entry is not a choice in the list,
// so the list's own selection handlers must not run, and no neighbour may become selected in its
// place. A row the list does not have changes nothing.
void takeEntryQuietly(QListWidget* list, int row);

// Puts the names at the end of the list. A list of uniform rows is laid out at once however long
// it is; its first row is made as wide as the widest name, so that every name can be scrolled to.
void addNames(QListWidget* list, const QStringList& names);

} // namespace forms
