#pragma once

#include "InputBoxes.h"

#include <QString>

// The words beside each input box on its tab. They head the columns of the inputs table that a
// spreadsheet reads back, so they are part of that file's layout; the tabs, the user guide and
// the sentences that name a changed input take them from here.
namespace inputboxes {

QString prompt(InputBox box);

// The prompt as a sentence or a list names the input: without its closing colon.
QString promptInSentence(InputBox box);

} // namespace inputboxes
