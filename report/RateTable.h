#pragma once

#include "engine/ResultRecord.h"

#include <QString>
#include <QStringList>

namespace report {

// The rate table of the hourly rate window: for each efficiency level the percentage, the
// chargeable hours and the rates (A), (B) and (C), laid out in a fixed-pitch face.
namespace ratetable {

inline constexpr int kLevels = engine::ResultRecord::kLevels;

// The definitions of the three rates, as the window's note shows them.
QStringList noteLines();
// The two heading lines over the rows, each ended by a line break: an empty third line follows.
QStringList headingLines();

// The level's efficiency percentage in its shortest form, padded with blanks in front to 4
// characters.
QString percentText(const engine::ResultRecord& record, int level);
// One row of the table; level counts from 0. A rate wider than its 8 characters keeps its
// right edge, taking the room from the blanks before it.
QString row(const engine::ResultRecord& record, int level);

// "100% Eff": the level's efficiency as a whole percentage.
QString optionLabel(const engine::ResultRecord& record, int level);
// Rate (B) of the level in dollars and cents, the caption of the level's option.
QString optionCaption(const engine::ResultRecord& record, int level);

// Rate texts: 8 characters for the rates (A), (B) and (C), more for a rate that needs them.
QString rateText(std::optional<double> rate);

} // namespace ratetable

} // namespace report
