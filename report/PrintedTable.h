#pragma once

#include "report/PrintJob.h"
#include "report/TextTable.h"

#include <QList>

namespace report {

// A table of texts on a printed page, in the columns of a fixed-pitch face: each column as wide as
// its widest cell, two blanks apart, the headings over a rule. Text columns stand at the left of
// theirs, figure columns at the right.
namespace printedtable {

enum class Align { Left, Right };

// `align` by column; columns beyond it stand at the left.
void print(PrintJob& job, const TextTable& table, const QList<Align>& align);

} // namespace printedtable

} // namespace report
