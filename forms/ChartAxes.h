#pragma once

#include <QString>

class QCategoryAxis;

// Chart axes whose labels read as the program's figures do, at round values.
namespace chartaxes {

// About `ticks` labels from `from` to `to`, each written by the display pattern.
QCategoryAxis* labelled(double from, double to, int ticks, const QString& pattern, const QString& title);

} // namespace chartaxes
