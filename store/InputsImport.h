#pragma once

#include "store/DataFolder.h"
#include "store/InputBoxes.h"
#include "store/InputTexts.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

namespace store {

// Reading back a table of inputs (see InputsTable.h) after it was changed in a spreadsheet. The
// plan compares every row with the saved files first, without writing anything, so that the
// user sees which boxes change before any file does.
namespace inputsimport {

struct BoxChange {
    InputBox box;
    QString before; // what the saved file gives back; empty when it holds nothing
    QString after;  // what the file will give back once the row's text is saved
};

// A row that changes at least one box.
struct ChangedRow {
    int row = 0;      // its place in the file
    QString name;     // empty for the plant row
    InputTexts texts; // the row's text for every box it holds; the others stay empty
    QList<BoxChange> changes;
};

// A row that cannot be stored; it changes nothing.
struct Refusal {
    int row = 0;
    QString name;
    QString reason; // a sentence for the user
};

struct [[nodiscard]] Plan {
    QString problem;                 // why the file is no table of inputs; then nothing else is planned
    QList<ChangedRow> centers;       // in file order
    std::optional<ChangedRow> plant; // the plant row, when it changes a plant-wide box
    QList<Refusal> refused;
    int unchanged = 0; // rows that hold what is saved already
    bool changesAnything() const { return !centers.isEmpty() || plant.has_value(); }
};

Plan plan(const DataFolder& folder, const QByteArray& csvBytes);

// The bytes of the table the user chose, or why it could not be read.
struct [[nodiscard]] ReadTable {
    QByteArray bytes;
    QString error;
};
ReadTable readCsv(const QString& path);

struct [[nodiscard]] Saved {
    QStringList centers;  // whose three input files were saved
    bool plant = false;   // whether the plant file was saved
    QString error;        // why the saving stopped; empty when everything asked for was saved
    QString partlySaved;  // the center whose files were being saved when it stopped, when some were
    QStringList notSaved; // centers whose files were not saved, that one included
};

// Saves each changed center's input files 2, 3 and 4, and the plant file only when `withPlant`,
// each atomically and laid out as Calculate BHR lays them out from boxes holding the row's texts.
// Stops at the first file that cannot be written.
Saved save(const DataFolder& folder, const Plan& plan, bool withPlant);

} // namespace inputsimport

} // namespace store
