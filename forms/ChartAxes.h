#pragma once

#include <QString>
#include <QStringList>

class QCategoryAxis;
class QFont;

namespace forms {

// Chart axes whose labels read as the program's figures do, at round values.
namespace chartaxes {

// About `ticks` labels from `from` to `to`, each written by the display pattern.
QCategoryAxis* labelled(double from, double to, int ticks, const QString& pattern, const QString& title);

// Names under bars: each shortened to the width, and made to differ, since a bar axis takes one
// category per name.
QStringList barNames(const QStringList& names, const QFont& font, int width);

} // namespace chartaxes

} // namespace forms
