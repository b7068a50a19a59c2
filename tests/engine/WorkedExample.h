#pragma once

#include "CostInputs.h"

#include <utility>

// A press with two operators: the worked example the expected figures of the cost tests are
// calculated from by hand. Boxes not named here are left empty.
inline CostInputs workedExampleInputs()
{
    CostInputs inputs;
    const std::pair<int, const char*> boxes[] = {
        {1, "7.65"},  {2, "76200"},  {3, "3"},     {4, "2.7"},  {5, "7000"},  {6, "50"},  {7, "3"},     {12, "100000"},
        {14, "500"},  {15, "0.08"},  {17, "1000"}, {18, "50"},  {19, "2000"}, {20, "40"}, {21, "20"},   {22, "15"},
        {24, "10"},   {25, "6"},     {28, "5"},    {29, "1"},   {30, "2"},    {31, "10"}, {37, "5000"}, {47, "3000"},
        {60, "2000"}, {65, "10000"}, {68, "8000"}, {77, "100"}, {78, "80"},   {79, "70"}, {80, "60"},
    };
    for (const auto& [slot, text] : boxes)
        inputs.slotTexts[slot] = QString::fromLatin1(text);
    // Motor 1: 10 horsepower at 80 percent usage; motor 2: 5 at 50; motors 3 to 5 empty.
    inputs.motorTexts = {QStringLiteral("10"), QStringLiteral("5"),  {}, {}, {},
                         QStringLiteral("80"), QStringLiteral("50"), {}, {}, {}};
    return inputs;
}
