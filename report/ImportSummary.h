#pragma once

#include "report/TextTable.h"
#include "store/InputsImport.h"
#include "store/InputsTable.h"

#include <QString>

namespace report {

// What the user reads around Export Inputs and Import Inputs.
namespace importsummary {

// After an export: how many centers went into which file, and the files that could not be read.
QString exported(const store::inputstable::Exported& exported, const QString& path);

// Before any center's files are saved: how many centers and boxes change, and how many rows
// cannot be imported.
QString question(const store::inputsimport::Plan& plan);
// Behind it, per center, each box that changes with its saved and new text, then each row that
// cannot be imported with the reason.
TextTable details(const store::inputsimport::Plan& plan);

// The plant row's own question, asked apart because it changes what every center shares; the
// boxes it changes behind it.
QString plantQuestion(const store::inputsimport::Plan& plan);
TextTable plantDetails(const store::inputsimport::Plan& plan);

// When no row changes anything: why, row by row.
QString nothingToDo(const store::inputsimport::Plan& plan);

// After saving: what was saved, what stopped the saving, and the rows not imported.
QString outcome(const store::inputsimport::Plan& plan, const store::inputsimport::Saved& saved);

} // namespace importsummary

} // namespace report
