#pragma once

#include "CostInputs.h"
#include "InputBoxes.h"

#include <QString>

#include <functional>
#include <optional>

class InputTexts;

// The text of a box of the main window, by the box's object name (see InputBoxes.h).
using BoxText = std::function<QString(const QString& box)>;

// Gathers the cost formulas' texts from the boxes: each box's text, exactly as typed, into its
// slot, and the ten motor boxes into the motor texts.
CostInputs gatherCostInputs(const BoxText& boxText);
CostInputs gatherCostInputs(const InputTexts& texts);

// Puts a box's text where gathering would put it, so that a calculation can be run again with one
// box typed otherwise; a box that feeds no formula changes nothing.
void placeText(CostInputs& inputs, InputBox box, const QString& text);

// The slot of the result record whose input the box feeds; nothing for the motor boxes, which
// feed the effective horsepower together, and for the plant totals, which feed no formula.
std::optional<int> slotFedBy(InputBox box);
