#pragma once

#include "ResultRecord.h"

#include <QString>

#include <optional>

class Platform;
class QLabel;
class QWidget;

// What the result windows share: the heading, and reading the current name and its results.
namespace resultwindows {

struct CurrentResults {
    std::optional<QString> name;        // from Name.tmp
    std::optional<ResultRecord> record; // from the name's result file
};

// Reads Name.tmp and the result file it names. A missing or short file is named to the user in
// one message, and what could not be read stays empty, so no window shows figures it lacks.
CurrentResults read(Platform& platform);

// The centred heading "Budgeted Hourly Cost Analysis For " and the name, in a larger serif face.
QLabel* heading(QWidget* parent);
void showName(QLabel* heading, const QString& name);

} // namespace resultwindows
