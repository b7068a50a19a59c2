#pragma once

#include "InputBoxes.h"

#include <QString>

// A short name for each input box, as sentences and narrow columns name it ("power price",
// "wage 1"); the box's prompt on its tab says it in full.
namespace inputnames {

QString shortName(InputBox box);

} // namespace inputnames
