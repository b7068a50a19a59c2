#include "forms/ListEntries.h"

#include <QFontMetrics>
#include <QListWidget>
#include <QSignalBlocker>

#include <algorithm>

namespace forms {

void takeEntryQuietly(QListWidget* list, int row)
{
    if (!list || row < 0 || row >= list->count())
        return;
    const QSignalBlocker quiet(list);
    if (list->currentRow() == row)
        list->setCurrentRow(-1);
    delete list->takeItem(row);
}

void addNames(QListWidget* list, const QStringList& names)
{
    list->setUniformItemSizes(true);
    list->addItems(names);
    if (names.isEmpty())
        return;
    // Measured on the longest name alone, with room to spare for wider letters: measuring
    // every name would cost more than the whole list.
    const auto longest = std::max_element(names.cbegin(), names.cend(),
                                          [](const QString& a, const QString& b) { return a.size() < b.size(); });
    const QFontMetrics metrics(list->font());
    const int widest = metrics.horizontalAdvance(*longest) * 5 / 4;
    QListWidgetItem* first = list->item(0);
    const QSize shown = list->visualItemRect(first).size();
    constexpr int kMargins = 8; // the row's own margins around its text
    first->setSizeHint(QSize(widest + kMargins, std::max(shown.height(), metrics.height())));
}

} // namespace forms
