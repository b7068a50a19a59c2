#pragma once

#include "tests/support/WorkedExampleBoxes.h"

// A press with two operators, as typed into the boxes: the worked example the expected figures of
// the cost tests are calculated from by hand.
inline store::InputTexts workedExampleInputs()
{
    return textsOf(workedExampleBoxes());
}
