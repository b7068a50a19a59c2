#pragma once

#include "engine/ResultRecord.h"
#include "store/InputBoxes.h"

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

// The horsepower and percent usage boxes of one motor.
struct MotorBoxes {
    InputBox horsepower;
    InputBox usage;
};

// Motors 1 to 5.
inline constexpr MotorBoxes kMotorBoxes[] = {{InputBox::Horsepower1, InputBox::Usage1},
                                             {InputBox::Horsepower2, InputBox::Usage2},
                                             {InputBox::Horsepower3, InputBox::Usage3},
                                             {InputBox::Horsepower4, InputBox::Usage4},
                                             {InputBox::Horsepower5, InputBox::Usage5}};
