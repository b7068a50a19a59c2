#pragma once

#include "store/InputBoxes.h"

#include <QString>

namespace store {

// The words that name each input box, in one place for every layer that names one. The prompt
// beside the box on its tab also heads the box's column of the inputs table that a spreadsheet
// reads back, so it is part of that file's layout; the tabs, the user guide and the list of
// changed inputs take it from here. The short name is how sentences and narrow columns of the
// reports and the what-if window name the box.
namespace inputboxes {

QString prompt(InputBox box);

// The prompt as a sentence or a list names the input: without its closing colon.
QString promptInSentence(InputBox box);

// "power price", "wage 1": the prompt says it in full.
QString shortName(InputBox box);

} // namespace inputboxes

} // namespace store
