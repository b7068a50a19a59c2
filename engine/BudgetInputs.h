#pragma once

#include "CostInputs.h"

#include <QString>

#include <functional>

// The text of a box of the main window, by the box's object name (see InputBoxes.h).
using BoxText = std::function<QString(const QString& box)>;

// Gathers the cost formulas' texts from the boxes: each box's text, exactly as typed, into its
// slot, and the ten motor boxes into the motor texts.
CostInputs gatherCostInputs(const BoxText& boxText);
