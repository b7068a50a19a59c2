#pragma once

#include "BudgetInputs.h"
#include "InputBoxes.h"

#include <QString>

#include <array>

// The text of every input box, by box, exactly as typed: what a budget calculation starts from.
// Windows and files name boxes by their object names; they are turned into boxes at the edge.
class InputTexts {
public:
    const QString& operator[](InputBox box) const { return m_texts.at(index(box)); }
    QString& operator[](InputBox box) { return m_texts.at(index(box)); }

    // Every box's text from the boxes named by their object names.
    static InputTexts from(const BoxText& boxText);

    bool operator==(const InputTexts&) const = default;

private:
    static std::size_t index(InputBox box) { return static_cast<std::size_t>(box); }
    std::array<QString, inputboxes::kCount> m_texts;
};
