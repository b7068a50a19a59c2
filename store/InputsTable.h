#pragma once

#include "store/DataFolder.h"
#include "store/InputBoxes.h"
#include "store/InputTexts.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace store {

// The input boxes of every listed center as one table for a spreadsheet. The heading row holds
// "Equipment" and each input box's prompt, in the order the tabs show the boxes. The plant row
// comes first: it has no name and holds the plant-wide boxes of the plant file, which every
// center shares. Then one row per listed center (each name once) holds the boxes of its input
// files 2, 3 and 4; the plant-wide columns of a center's row stay empty. A name or text that a
// spreadsheet would run as a formula is written as text (see csv::textCell).
namespace inputstable {

inline const QString kNameHeading = QStringLiteral("Equipment");

QStringList headings();

// Whether the box is one of the plant-wide boxes, which only the plant row holds.
bool isPlantBox(const inputboxes::Entry& box);

// What the saved files hold, by box, as loading them fills the boxes (the work space as saved).
// A box whose file or line is missing has no text.
struct [[nodiscard]] SavedTexts {
    InputTexts texts;
    QString problem; // a file is there but cannot be read: the store's sentence naming it
    bool ok() const { return problem.isEmpty(); }
};
SavedTexts plantTexts(const DataFolder& folder);
SavedTexts centerTexts(const DataFolder& folder, const QString& equipmentName);

struct [[nodiscard]] Exported {
    QByteArray csv;
    int centers = 0;
    QStringList unreadable; // why a file could not be read; its boxes are left empty
};
Exported exportCsv(const DataFolder& folder);

// Writes the table where the user chose, atomically, as every data file is written.
StoreResult saveCsv(const QString& path, const QByteArray& csv);

} // namespace inputstable

} // namespace store
