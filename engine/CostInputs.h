#pragma once

#include <QString>

#include <array>

// The texts the cost formulas start from, exactly as typed into the boxes.
struct CostInputs {
    static constexpr int kSlotTexts = 105;
    static constexpr int kMotors = 5;

    // Indexed by slot, 1 to 105; entry 0 is unused, and so are 104 and 105. The formulas write
    // their own texts for slot 13 (the employee count) and slot 16 (the effective horsepower).
    std::array<QString, kSlotTexts + 1> slotTexts;
    // 0 to 4: horsepower of motors 1 to 5; 5 to 9: percent usage of motors 1 to 5.
    std::array<QString, 2 * kMotors> motorTexts;

    const QString& horsepowerText(int motor) const { return motorTexts.at(motor); }
    const QString& usageText(int motor) const { return motorTexts.at(kMotors + motor); }
};
