#pragma once

#include "store/InputBoxes.h"
#include "store/InputTexts.h"

#include <QString>

namespace store {

// The words that name each input box, in one place for every layer that names one. The prompt
// beside the box on its tab also heads the box's column of the inputs table that a spreadsheet
// reads back, so it is part of that file's layout; the tabs, the user guide and the list of
// changed inputs take it from here. The short name is how sentences and narrow columns of the
// reports and the what-if window name the box.
namespace inputboxes {

// As the inputs table's heading row holds it: never translated.
QString prompt(InputBox box);

// The prompt in the user's language, beside the box and in the windows and reports.
QString shownPrompt(InputBox box);

// The shown prompt as a sentence or a list names the input: without its closing colon.
QString promptInSentence(InputBox box);

// promptInSentence of every box, translated once for a loop over many centers.
BoxTable<QString> promptsInSentence();

// "power price", "wage 1": the prompt says it in full.
QString shortName(InputBox box);

} // namespace inputboxes

} // namespace store
