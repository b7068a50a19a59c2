#pragma once

#include "engine/ResultRecord.h"
#include "store/InputBoxes.h"

#include <optional>
#include <span>

namespace engine {

// Which slot of the result record each box's text feeds.
struct BoxSlot {
    store::InputBox box;
    int slot;
};

// The boxes that feed a slot, in slot order: the motor boxes feed the effective horsepower
// together, and the plant totals feed no formula.
std::span<const BoxSlot> boxSlots();

// The slot of the result record whose input the box feeds; nothing for the motor and total boxes.
std::optional<int> slotFedBy(store::InputBox box);

// The figure the record was worked out with for the box: the input value of the slot it feeds;
// nothing for a box that feeds no slot of its own.
std::optional<double> savedFigure(const ResultRecord& record, store::InputBox box);

// The horsepower and percent usage boxes of one motor.
struct MotorBoxes {
    store::InputBox horsepower;
    store::InputBox usage;
};

// Motors 1 to 5.
inline constexpr MotorBoxes kMotorBoxes[] = {{store::InputBox::Horsepower1, store::InputBox::Usage1},
                                             {store::InputBox::Horsepower2, store::InputBox::Usage2},
                                             {store::InputBox::Horsepower3, store::InputBox::Usage3},
                                             {store::InputBox::Horsepower4, store::InputBox::Usage4},
                                             {store::InputBox::Horsepower5, store::InputBox::Usage5}};

} // namespace engine
