#pragma once

#include "store/FileNames.h"

#include <QString>

namespace store {

// How large each data file can be. Every file holds a known number of lines, and no line the
// program writes is longer than a box or a name can make it, so a larger file is damaged (or was
// never one of the program's): it is read only up to its limit, and no save makes it larger.
namespace filelimits {

// A box or a name holds at most 32767 characters: in double quotes and with its line end, a line
// of 32771 bytes.
inline constexpr qint64 kLongestLine = filenames::kLongestName + 4;
// The list file: room for 10,000 names of 100 characters, and no more than 10,000 names, so
// that a damaged list never fills the windows' lists with more entries than they show at once.
inline constexpr qint64 kListFile = 1024 * 1024;
inline constexpr int kListNames = 10000;
// The result file: 206 numbers, each on a line of 64 bytes at most (the number form takes 26).
inline constexpr int kResultFileLines = 206;
inline constexpr qint64 kResultLine = 64;
// The pricing file: the six inputs of the reverse engineering.
inline constexpr int kPricingFileLines = 6;
// A saved job: its five lines. The press figures: a name and two figures for each center, as
// many as a list can hold, in three times the list's room.
inline constexpr int kJobFileLines = 5;
inline constexpr qint64 kPressFiguresFile = 3 * kListFile;

// The most bytes the data file of that name can hold; a file of any other name is held to the
// largest data file's limit.
qint64 bytesFor(const QString& fileName);

// What the user is told of a file larger than its limit, naming it and the limit.
QString damaged(const QString& fileName);
// ... and of a save that would make it larger.
QString tooLarge(const QString& fileName);
// What the user is told of a list that holds more names than a list can, and of a name that a
// full list cannot take.
QString tooManyNames();
QString listFull();

} // namespace filelimits

} // namespace store
