#pragma once

#include "InputBoxes.h"
#include "ResultRecord.h"

#include <optional>
#include <span>

// Which slot of the result record each box's text feeds.
struct BoxSlot {
    InputBox box;
    int slot;
};

// The boxes that feed a slot, in slot order: the motor boxes feed the effective horsepower
// together, and the plant totals feed no formula.
std::span<const BoxSlot> boxSlots();

// The slot of the result record whose input the box feeds; nothing for the motor and total boxes.
std::optional<int> slotFedBy(InputBox box);

// The figure the record was worked out with for the box: the input value of the slot it feeds;
// nothing for a box that feeds no slot of its own.
std::optional<double> savedFigure(const ResultRecord& record, InputBox box);

inline constexpr int kMotors = 5;
// The horsepower and percent usage boxes of motors 0 to 4.
InputBox horsepowerBox(int motor);
InputBox usageBox(int motor);
