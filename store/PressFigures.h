#pragma once

#include "store/DataFolder.h"

#include <QMap>
#include <QString>

namespace store {

// The running speed and set-up time the user typed for each press, as typed, kept for the next
// job in one file of the data folder (filenames::kPressFiguresFile): for each center its name,
// its speed in impressions per hour and its set-up time in minutes, one value a line, the
// centers in the order of their names.
namespace pressfigures {

struct Typed {
    QString speed;
    QString setUpMinutes;

    bool isEmpty() const { return speed.isEmpty() && setUpMinutes.isEmpty(); }
    bool operator==(const Typed&) const = default;
};

using ByCenter = QMap<QString, Typed>;

struct [[nodiscard]] Loaded {
    ByCenter figures; // empty when the file is missing: nothing typed yet
    QString error;    // why an existing file could not be read whole; a damaged one gives its readable part
    bool ok() const { return error.isEmpty(); }
};
Loaded load(const DataFolder& folder);

// Keeps this center's figures with the others; empty figures forget the center. The file is
// written whole, and never over one that could not be read.
StoreResult remember(const DataFolder& folder, const QString& center, const Typed& typed);

} // namespace pressfigures

} // namespace store
