#pragma once

#include <QString>

class QWidget;

namespace forms {

// Gives a box the words of its prompt as its accessible name, so that a screen reader announces
// what to type there: the caption without its surrounding blanks and closing colon.
void nameAfterPrompt(QWidget* box, const QString& prompt);

} // namespace forms
